#pragma once

#include <unknwn.h>

#include <utility>

namespace win {

// Holds one reference to a COM object and releases it.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    // Takes over a reference the caller already holds.
    static ComPtr Adopt(T* pointer) {
        ComPtr owner;
        owner.pointer_ = pointer;
        return owner;
    }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void Reset() {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }
    // For out-parameters: releases what is held, then lends the slot.
    T** Put() {
        Reset();
        return &pointer_;
    }

private:
    T* pointer_ = nullptr;
};

}  // namespace win
