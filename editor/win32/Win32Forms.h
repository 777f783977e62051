// The program's other windows on Windows: each shown modally through the dialog binding,
// over the window that asks.
#pragma once

#include <windows.h>

#include "platform/Forms.h"
#include "platform/Platform.h"

namespace velmora::win32 {

class Win32Forms : public Forms {
public:
    // platform: the ports the windows use (it may list this port itself, so it is kept by
    // reference and must outlive this object). resources: the module with the dialogs.
    Win32Forms(const Platform& platform, HINSTANCE resources)
        : platform_(platform), resources_(resources) {}

    void ShowThemeEditor(const std::string& themeFile, WindowHandle owner) override;
    void ShowAbout(WindowHandle owner) override;

private:
    const Platform& platform_;
    HINSTANCE resources_;
};

}  // namespace velmora::win32
