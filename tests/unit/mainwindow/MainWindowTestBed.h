// The main window on the simulated ports, with its own side faked: the real window, the
// pictures, the clip control, the clipboard and the other windows it opens.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "mainwindow/InstalledThemes.h"
#include "store/InstalledThemeStore.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowPorts.h"

namespace velmora::test {

using Strings = std::vector<std::string>;
using namespace browser;

struct WindowBed : TestPlatform {
    WindowBed() {
        host.unload = [this] { window.Form_Unload(); };
        window.picBackBitmap.SetSize(300, 40);
    }
    // An installed theme: its file C:\Themes\<title>.vlr (ThemeTitle = title) and its entry.
    void Install(const std::string& title, MemoryProfile::Keys keys = {},
                 const std::string& uninstaller = "") {
        keys.push_back({"ThemeTitle", title});
        AddTheme("C:\\Themes\\" + title + ".vlr", keys);
        InstalledThemeStore(platform).AddEntry(title, "C:\\Themes\\" + title + ".vlr");
        if (!uninstaller.empty())
            Seed(*InstalledThemeStore::EntryKey(title), "UninstallFile", uninstaller,
                 kHkeyLocalMachine);
    }
    void Select(const std::string& entry) {
        const Strings& items = window.List1.Items();
        const auto it = std::find(items.begin(), items.end(), entry);
        window.List1.SetListIndex(it == items.end() ? -1 : static_cast<int>(it - items.begin()));
        window.List1_Click();
    }
    Strings Texts() const {
        Strings texts;
        for (const MessageRequest& box : dialogs.shown) texts.push_back(box.text);
        return texts;
    }
    // The area boxes: 1 ticked and enabled, 0 neither, ? enabled only, ! ticked only.
    std::string Boxes() const {
        std::string boxes;
        for (const ui::CheckBox& box : window.chkLink)
            boxes += box.Value() ? (box.Enabled() ? '1' : '!') : (box.Enabled() ? '?' : '0');
        return boxes;
    }
    // What the window shows of the selected entry, in one line.
    std::string Display() const {
        const InstalledThemes& w = window;
        return Boxes() + (w.cmdApply.Enabled() ? "|apply|" : "|-|") +
               (w.cmdUnInstall.Visible() ? "uninstall|" : "-|") +
               RecordingPorts::Name(w.picBackBitmap.Picture()) + "|" + w.txtThemeTitle.Text() +
               "|" + w.txtAuthor.Text() + "|" + w.txtWebSite.Text() + "|" +
               w.txtThemeDescription.Text() + "|" + w.txtThemeFile.Text() + "|" + w.Combo1.Text() +
               "|" + w.txtSearch.Text();
    }

    RecordingPorts ports;
    FakeFormHost host{desktop};
    InstalledThemes window{[this] {
                               platform.pictures = &ports, platform.forms = &ports;
                               return platform.clipboard = &ports, platform;
                           }(),
                           host, ports};
};

struct MainWindowTest : ::testing::Test, WindowBed {};

}  // namespace velmora::test
