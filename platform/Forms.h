// Port: the program's other windows, the theme editor and the About window, shown modally
// over the window that asks for them.
#pragma once

#include <string>

#include "platform/Windowing.h"

namespace velmora {

class Forms {
public:
    virtual ~Forms() = default;
    // A fresh editor, loaded, then given themeFile, owned by owner; returns once it has
    // closed and is gone.
    virtual void ShowThemeEditor(const std::string& themeFile, WindowHandle owner) = 0;
    // A fresh About window owned by owner; returns once it has closed and is gone.
    virtual void ShowAbout(WindowHandle owner) = 0;
};

}  // namespace velmora
