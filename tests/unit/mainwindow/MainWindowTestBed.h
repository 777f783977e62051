// The main window on simulated ports: registry and theme files in memory, scripted dialogs,
// recorded shell, simulated browser windows, pictures, clip control and real window.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "mainwindow/InstalledThemes.h"
#include "store/InstalledThemeStore.h"
#include "tests/support/FakeFormHost.h"
#include "tests/support/RecordingClip.h"
#include "tests/support/RecordingClipboard.h"
#include "tests/support/RecordingForms.h"
#include "tests/support/RecordingPictures.h"
#include "tests/unit/app/AppTestBed.h"

namespace velmora::test {

using Strings = std::vector<std::string>;

inline const std::string kToolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar";
inline const std::string kMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
inline const std::string kMarkKey = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";

struct MainWindowTestBed : AppTestBed {
    MainWindowTestBed() {
        host.unload = [this] { window.Form_Unload(); };
        window.picBackBitmap.SetSize(300, 40);
    }
    // An installed theme: its file C:\Themes\<title>.vlr (ThemeTitle = title), its entry.
    void Install(const std::string& title, MemoryProfile::Keys keys = {},
                 const std::string& uninstaller = "") {
        keys.push_back({"ThemeTitle", title});
        AddTheme("C:\\Themes\\" + title + ".vlr", keys);
        InstalledThemeStore(platform).AddEntry(title, "C:\\Themes\\" + title + ".vlr");
        if (!uninstaller.empty())
            SeedMachine(*InstalledThemeStore::EntryKey(title), "UninstallFile", uninstaller);
    }
    void SeedMachine(const std::string& key, const std::string& value, const std::string& text) {
        cRegistry(platform).WriteRegistry(kHkeyLocalMachine, key, value, 1, text);
    }
    void Select(const std::string& entry) {
        const Strings& items = window.List1.Items();
        const auto it = std::find(items.begin(), items.end(), entry);
        window.List1.SetListIndex(it == items.end() ? -1 : static_cast<int>(it - items.begin()));
        window.List1_Click();
    }
    Strings Texts() const {
        Strings texts;
        for (const MessageRequest& box : dialogs.Shown()) texts.push_back(box.text);
        return texts;
    }
    // The boxes: 1 ticked and enabled, 0 neither, ? enabled only, ! ticked only.
    std::string Boxes() const {
        std::string boxes;
        for (const ui::CheckBox& box : window.chkLink)
            boxes += box.Value() ? (box.Enabled() ? '1' : '!') : (box.Enabled() ? '?' : '0');
        return boxes;
    }
    // What the window shows of the selected entry, in one line.
    std::string Display() const {
        const InstalledThemes& w = window;
        return w.txtThemeTitle.Text() + "|" + w.txtAuthor.Text() + "|" + w.txtWebSite.Text() + "|" +
               w.txtThemeDescription.Text() + "|" + w.txtThemeFile.Text() + "|" + w.Combo1.Text() +
               "|" + Boxes() + (w.cmdApply.Enabled() ? "|apply" : "|-") +
               (w.cmdUnInstall.Visible() ? "|uninstall|" : "|-|") +
               RecordingPictures::Name(w.picBackBitmap.Picture());
    }

    RecordingPictures pictures;
    RecordingClip clip;
    RecordingForms forms;
    RecordingClipboard clipboard;
    FakeFormHost host{desktop};
    InstalledThemes window{[this] {
                               platform.pictures = &pictures;
                               platform.forms = &forms;
                               platform.clipboard = &clipboard;
                               return platform;
                           }(),
                           host, clip};
};

}  // namespace velmora::test
