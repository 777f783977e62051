// An owned VARIANT, cleared when it goes; starts empty (VT_EMPTY). Shared by the program
// and the control library (header only).
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace velmora::win32 {

class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    void SetLong(long number) {
        VariantClear(&value_);
        V_VT(&value_) = VT_I4;
        V_I4(&value_) = number;
    }
    void SetBool(bool flag) {
        VariantClear(&value_);
        V_VT(&value_) = VT_BOOL;
        V_BOOL(&value_) = flag ? VARIANT_TRUE : VARIANT_FALSE;
    }
    // Takes over `text`: the variant frees it.
    void SetBstr(BSTR text) {
        VariantClear(&value_);
        V_VT(&value_) = VT_BSTR;
        V_BSTR(&value_) = text;
    }

    // To read, fill or change in place (the OLE functions take non-const pointers).
    VARIANT* Get() { return &value_; }

private:
    VARIANT value_;
};

}  // namespace velmora::win32
