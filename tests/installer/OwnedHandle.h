// A kernel handle (process, pipe, snapshot) closed when its owner goes.
#pragma once

#include <windows.h>

namespace velmora::setup {

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~OwnedHandle() { reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
    // For the calls that hand a new handle back through a pointer.
    HANDLE* receive() {
        reset();
        return &handle_;
    }
    void reset() {
        if (valid()) CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_;
};

}  // namespace velmora::setup
