#pragma once
// A value behind a lock that is held only for field access: callers pass a
// function that reads or writes the value and must not call out of it.

#include <mutex>
#include <utility>

namespace tocko {

template <class T>
class Locked {
public:
    Locked() = default;
    explicit Locked(T initial) : value_(std::move(initial)) {}

    template <class F>
    decltype(auto) with(F&& f) {
        std::lock_guard lock(mutex_);
        return std::forward<F>(f)(value_);
    }
    template <class F>
    decltype(auto) with(F&& f) const {
        std::lock_guard lock(mutex_);
        return std::forward<F>(f)(value_);
    }
    T get() const {
        std::lock_guard lock(mutex_);
        return value_;
    }
    void set(T v) {
        std::lock_guard lock(mutex_);
        value_ = std::move(v);
    }

private:
    mutable std::mutex mutex_;
    T value_{};
};

}  // namespace tocko
