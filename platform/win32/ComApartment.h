// Joins the calling thread to a single-threaded COM apartment for the object's lifetime.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace velmora::win32 {

class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialized_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};

}  // namespace velmora::win32
