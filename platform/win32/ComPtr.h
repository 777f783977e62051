// Owning pointer to a COM interface: one reference, released when the pointer goes.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace velmora::win32 {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already owns.
    static ComPtr Attach(T* raw) {
        ComPtr p;
        p.ptr_ = raw;
        return p;
    }
    ComPtr(const ComPtr& other) : ptr_(other.ptr_) {
        if (ptr_) ptr_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(ptr_, other.ptr_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset() {
        if (ptr_) std::exchange(ptr_, nullptr)->Release();
    }
    T* Get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For calls that hand out a new reference: releases the current one first.
    T** Receive() {
        Reset();
        return &ptr_;
    }

    // Another interface of the same object; empty when it has none.
    template <typename U>
    ComPtr<U> As() const {
        ComPtr<U> other;
        if (ptr_) ptr_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(other.Receive()));
        return other;
    }

private:
    T* ptr_ = nullptr;
};

}  // namespace velmora::win32
