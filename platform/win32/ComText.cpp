// Conversions between the program's ANSI texts and COM's wide strings (BSTR).
#include "platform/win32/ComText.h"

#include <windows.h>

#include <vector>

namespace velmora::win32 {

std::string AnsiFromWide(const wchar_t* text, int length) {
    if (!text || length <= 0) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &ansi[0], size, nullptr, nullptr);
    return ansi;
}

std::string AnsiFromBstr(BSTR text) {
    return text ? AnsiFromWide(text, static_cast<int>(SysStringLen(text))) : std::string();
}

BSTR BstrFromAnsi(const std::string& ansi) {
    const int length = static_cast<int>(ansi.size());
    if (length == 0) return SysAllocStringLen(nullptr, 0);
    const int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(size > 0 ? size : 0));
    if (text && size > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, text, size);
    return text;
}

Bstr::Bstr(const std::string& ansi) : text_(BstrFromAnsi(ansi)) {}

}  // namespace velmora::win32
