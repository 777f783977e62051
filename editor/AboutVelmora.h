// The About window: product name, version, the maker's notice and a legal warning; any key or
// click closes it. A portable class over models of its controls.
#pragma once

#include "platform/FormHost.h"
#include "platform/Platform.h"
#include "ui/Controls.h"

namespace velmora {

class AboutVelmora {
public:
    // host: the real window showing this one. It, and the product information and windowing
    // ports of platform, must outlive the window.
    AboutVelmora(const Platform& platform, FormHost& host);
    AboutVelmora(const AboutVelmora&) = delete;
    AboutVelmora& operator=(const AboutVelmora&) = delete;

    // Labels, under their design names: product name, version, notice, warning, the prompt.
    ui::TextBox Label1, Label2, lbl300, lbl301, lbl302;
    // The background picture the labels stand on.
    ui::PictureBox imgBackground;

    void Form_Load();
    // The window sees every key first, those without a character too.
    void Form_KeyDown(int keyCode);
    // A click anywhere on the window, its labels included.
    void Form_Click();

    void SetWindowOnTop(bool onTop);
    bool WindowOnTop() const { return windowOnTop_; }

private:
    Platform platform_;
    FormHost& host_;
    bool windowOnTop_ = false;
};

}  // namespace velmora
