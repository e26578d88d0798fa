// A short constant list written inline in a descriptor ({a, b, c}), held in
// place so that descriptor tables stay compile-time data.
#pragma once

#include <cstddef>
#include <initializer_list>

template <class T, std::size_t Capacity>
class FixedList {
public:
    constexpr FixedList() = default;
    constexpr FixedList(std::initializer_list<T> list) {
        if (list.size() > Capacity) throw "too many entries for this list";
        for (const T& value : list) values_[count_++] = value;
    }
    constexpr const T* begin() const { return values_; }
    constexpr const T* end() const { return values_ + count_; }
    constexpr std::size_t size() const { return count_; }
    constexpr bool empty() const { return count_ == 0; }

private:
    T values_[Capacity]{};
    std::size_t count_ = 0;
};
