// Joins the calling thread to OLE for the object's lifetime: pictures, and controls hosted
// in place, need more than plain COM.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace velmora::win32 {

class OleApartment {
public:
    OleApartment() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleApartment() {
        if (initialized_) OleUninitialize();
    }
    OleApartment(const OleApartment&) = delete;
    OleApartment& operator=(const OleApartment&) = delete;

private:
    bool initialized_;
};

}  // namespace velmora::win32
