// The About window: product name, version, the maker's notice and a legal warning.
#include "editor/AboutVelmora.h"

#include "platform/ProductInfo.h"
#include "ui/MakeTopmost.h"

namespace velmora {

AboutVelmora::AboutVelmora(const Platform& platform, FormHost& host)
    : platform_(platform), host_(host) {}

void AboutVelmora::Form_Load() {
    SetWindowOnTop(true);
    if (platform_.product) {
        Label1.SetText(platform_.product->ProductName());
        Label2.SetText("Version (" + platform_.product->Version() + ")");
    }
    lbl300.SetText("Copyright (C) 2004 Tolvane. All rights reserved.");
    lbl301.SetText(
        "Warning: this program is protected by copyright law and international treaties.\r\n"
        "Unauthorized reproduction or distribution of it, or of any part of it, may result in "
        "severe civil and criminal penalties, and will be prosecuted to the maximum extent "
        "possible under the law.");
    lbl302.SetText("Press any key to continue...");
}

void AboutVelmora::Form_KeyDown(int) {
    host_.Close();
}

void AboutVelmora::Form_Click() {
    host_.Close();
}

void AboutVelmora::SetWindowOnTop(bool onTop) {
    windowOnTop_ = onTop;
    if (platform_.windowing) velmora::SetWindowOnTop(*platform_.windowing, host_.Handle(), onTop);
}

}  // namespace velmora
