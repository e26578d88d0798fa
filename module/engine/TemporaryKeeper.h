// TemporaryKeeper: a small owning list on the stack of a calculator,
// condition or method body. Everything kept is deleted when the keeper goes
// out of scope, the object kept last first.
#pragma once

class TemporaryKeeper {
public:
    TemporaryKeeper() = default;
    ~TemporaryKeeper();
    TemporaryKeeper(const TemporaryKeeper&) = delete;
    TemporaryKeeper& operator=(const TemporaryKeeper&) = delete;

    // Takes ownership of p (null allowed) and returns it unchanged.
    template <class T>
    T* keep(T* p) {
        hold(p, [](void* q) { delete static_cast<T*>(q); });
        return p;
    }

private:
    using Destroy = void (*)(void*);
    void hold(void* p, Destroy destroy);

    TemporaryKeeper* earlier_ = nullptr;  // the node holding what was kept before current_
    void* current_ = nullptr;
    Destroy destroy_ = nullptr;
};
