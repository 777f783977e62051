// The theme editor window: one theme file edited as plain text, as a portable class over
// models of its controls.
#pragma once

#include <string>

#include "platform/FormHost.h"
#include "platform/Platform.h"
#include "ui/Controls.h"

namespace velmora {

class frmThemeEditor {
public:
    // host: the real window showing this one. It, and every port of platform the window uses
    // (files, dialogs, product information, windowing), must outlive the window.
    frmThemeEditor(const Platform& platform, FormHost& host);
    frmThemeEditor(const frmThemeEditor&) = delete;
    frmThemeEditor& operator=(const frmThemeEditor&) = delete;

    // Controls, under their design names. Text1 holds the file's bytes as they are: line
    // ends, characters of the ANSI code page and all.
    ui::TextBox Text1;
    ui::Button cmdSave, cmdClose;

    // The window's own events.
    void Form_Load();
    // The window sees key presses first: Esc closes it.
    void Form_KeyPress(int keyAscii);
    // Runs before the window closes, whatever closes it; false keeps the window open.
    bool Form_QueryUnload();

    // Control events. The binding updates the models from the real controls first.
    void Text1_Change();
    void cmdSave_Click();
    void cmdClose_Click();

    // Takes the theme file to edit: a path ending in .vlr is read into Text1; any other path,
    // or a file that cannot be read, leaves ThemeFile empty and Text1 as it was.
    void SetThemeFile(const std::string& path);
    const std::string& ThemeFile() const { return themeFile_; }
    // Save is enabled exactly while the text is changed.
    void SetChanged(bool changed);
    bool Changed() const { return changed_; }
    void SetWindowOnTop(bool onTop);
    bool WindowOnTop() const { return windowOnTop_; }

private:
    // Writes Text1 beside the theme file and puts it in the file's place only once it is
    // whole, so that a failed save leaves the file as it was. False, after telling the user,
    // when it could not.
    bool Save();
    void Tell(const std::string& text) const;

    Platform platform_;
    FormHost& host_;
    std::string themeFile_;
    std::string savedText_;  // the text as last loaded or saved
    bool changed_ = false;
    bool windowOnTop_ = false;
};

}  // namespace velmora
