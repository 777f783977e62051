// Owning pointer to a COM interface: one reference, released when the pointer goes.
// Shared by the program and the control library (header only).
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <cstddef>
#include <utility>

namespace velmora::win32 {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Shares `raw`: takes a reference of its own.
    explicit ComPtr(T* raw) : ptr_(raw) {
        if (ptr_) ptr_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.ptr_) {}
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
    T** Put() {
        Reset();
        return &ptr_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    // Hands the reference to the caller (an out parameter it fills).
    T* Detach() { return std::exchange(ptr_, nullptr); }

    // Another interface of the same object; empty when it has none.
    template <typename U>
    ComPtr<U> As() const {
        ComPtr<U> other;
        if (ptr_) ptr_->QueryInterface(__uuidof(U), other.PutVoid());
        return other;
    }

private:
    T* ptr_ = nullptr;
};

// Fills a caller's out parameter with `object` and a reference of the caller's own.
template <class Interface>
HRESULT GiveOut(Interface* object, Interface** out) {
    if (!out) return E_POINTER;
    *out = object;
    if (object) object->AddRef();
    return S_OK;
}

}  // namespace velmora::win32
