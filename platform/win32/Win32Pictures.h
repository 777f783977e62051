// Pictures through OLE: loaded from files, or the built-in throbber strips from the
// program's resources.
#pragma once

#include <windows.h>

#include "platform/Pictures.h"

namespace velmora::win32 {

class Win32Pictures : public Pictures {
public:
    // resources: the module holding the built-in strips (the program itself by default).
    explicit Win32Pictures(HINSTANCE resources = GetModuleHandleA(nullptr));

    PicturePtr LoadPicture(const std::string& path) override;
    PicturePtr EmptyPicture() override;
    // Loaded once; every call shares the same picture.
    PicturePtr BuiltIn(BuiltInStrip strip) override;

private:
    HINSTANCE resources_;
    PicturePtr classic_;
    PicturePtr xp_;
};

}  // namespace velmora::win32
