// Owned<T>: a sub-object that its parent owns and deep-copies with itself.
// Setting a new one frees the one it replaces.
#pragma once

#include <memory>

template <class T>
class Owned {
public:
    Owned() = default;
    Owned(const Owned& other) : p_(other.p_ ? std::make_unique<T>(*other.p_) : nullptr) {}
    Owned& operator=(const Owned& other) {
        if (this != &other) p_ = other.p_ ? std::make_unique<T>(*other.p_) : nullptr;
        return *this;
    }
    Owned(Owned&&) noexcept = default;
    Owned& operator=(Owned&&) noexcept = default;

    void reset(T* taken) { p_.reset(taken); }
    T* get() const { return p_.get(); }

private:
    std::unique_ptr<T> p_;
};
