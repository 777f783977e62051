// A VARIANT cleared on destruction.
#pragma once

#include <oleauto.h>

namespace velmora::flintor::win32 {

class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    // To read, fill or change in place (the OLE functions take non-const pointers).
    VARIANT* Get() { return &value_; }

private:
    VARIANT value_;
};

}  // namespace velmora::flintor::win32
