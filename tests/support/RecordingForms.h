// Forms double: which window was asked for, on which file, over which owner.
#pragma once

#include <string>
#include <vector>

#include "platform/Forms.h"

namespace velmora::test {

class RecordingForms : public Forms {
public:
    void ShowThemeEditor(const std::string& themeFile, WindowHandle owner) override {
        shown.push_back("editor " + themeFile);
        owners.push_back(owner);
    }
    void ShowAbout(WindowHandle owner) override {
        shown.push_back("about");
        owners.push_back(owner);
    }

    std::vector<std::string> shown;
    std::vector<WindowHandle> owners;
};

}  // namespace velmora::test
