// The control library's About box `AboutAFlintor`: its texts and what its clicks do.
#pragma once

#include <string>

#include "platform/Shell.h"

namespace velmora::flintor {

class AboutAFlintor {
public:
    static constexpr const char* kWebAddress = "http://www.example.com/";
    static constexpr const char* kMailAddress = "sales@example.com";

    // Links are opened through `shell`, which the window makes its own child.
    explicit AboutAFlintor(Shell& shell) : shell_(shell) {}

    std::string Label1() const { return "AFlintor.ocx"; }
    std::string Label2() const {
        return "Copyright (C) 2001 The AFlintor Developers. All rights reserved.";
    }
    std::string Image2ToolTip() const { return "Go to our web site."; }
    std::string Label3() const { return kMailAddress; }
    std::string Label3ToolTip() const { return "E-mail us."; }
    std::string CmdOkCaption() const { return "Ok"; }
    std::string Caption() const { return "About AFlintor"; }

    void Image2_Click() { shell_.OpenDocument(kWebAddress); }
    void Label3_Click() {
        shell_.OpenDocument(std::string("mailto:") + kMailAddress + "?subject=About AFlintor.ocx");
    }
    void cmdOk_Click() { unloaded_ = true; }

    // True once the window asked to close.
    bool Unloaded() const { return unloaded_; }

private:
    Shell& shell_;
    bool unloaded_ = false;
};

}  // namespace velmora::flintor
