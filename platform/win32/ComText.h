// Conversions between the program's ANSI texts and COM's wide strings (BSTR).
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace velmora::win32 {

// Converts wide text to the system ANSI code page.
std::string AnsiFromWide(const wchar_t* text, int length);
std::string AnsiFromBstr(BSTR text);
// A new BSTR of ANSI text; the caller frees it (or hands it to a Variant).
BSTR BstrFromAnsi(const std::string& ansi);

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

}  // namespace velmora::win32
