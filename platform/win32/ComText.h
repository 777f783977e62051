// Conversions between the program's ANSI texts and COM's wide strings (BSTR, VARIANT).
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace velmora::win32 {

// Converts wide text to the system ANSI code page.
std::string AnsiFromWide(const wchar_t* text, int length);
std::string AnsiFromBstr(BSTR text);

// An owned BSTR made from ANSI text, freed when it goes.
class Bstr {
public:
    explicit Bstr(const std::string& ansi);
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const { return text_; }

private:
    BSTR text_;
};

// An owned VARIANT, cleared when it goes; starts empty (VT_EMPTY).
class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    void SetText(const std::string& ansi);
    void SetLong(long number);
    void SetBool(bool flag);

    VARIANT* Get() { return &value_; }

private:
    VARIANT value_;
};

}  // namespace velmora::win32
