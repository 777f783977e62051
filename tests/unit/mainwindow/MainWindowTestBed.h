// The main window on simulated ports: registry and theme files in memory, scripted dialogs,
// recorded shell, simulated browser windows, pictures, clip control and real window.
#pragma once

#include <string>
#include <vector>

#include "mainwindow/InstalledThemes.h"
#include "store/InstalledThemeStore.h"
#include "tests/support/FakeFormHost.h"
#include "tests/support/RecordingClip.h"
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
        picBox().SetSize(300, 40);
    }
    ui::PictureBox& picBox() { return window.picBackBitmap; }

    // An installed theme: its file (with ThemeTitle = title) and its store entry.
    void Install(const std::string& title, MemoryThemeFiles::Keys keys = {},
                 const std::string& uninstaller = "") {
        const std::string path = "C:\\Themes\\" + title + "\\" + title + ".vlr";
        keys.push_back({"ThemeTitle", title});
        themes.AddTheme(path, keys);
        InstalledThemeStore(platform).AddEntry(title, path);
        if (!uninstaller.empty()) {
            cRegistry(platform).WriteRegistry(kHkeyLocalMachine, *InstalledThemeStore::EntryKey(title),
                                              "UninstallFile", 1, uninstaller);
        }
    }
    void SeedMachine(const std::string& key, const std::string& value, const std::string& text) {
        cRegistry(platform).WriteRegistry(kHkeyLocalMachine, key, value, 1, text);
    }
    std::string Machine(const std::string& key, const std::string& value) {
        return cRegistry(platform).ReadRegistry(kHkeyLocalMachine, key, value);
    }
    // Selects the entry as a click does.
    void Select(const std::string& entry) {
        const Strings& items = window.List1.Items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] != entry) continue;
            window.List1.SetListIndex(static_cast<int>(i));
            window.List1_Click();
            return;
        }
        ADD_FAILURE() << "no list entry " << entry;
    }
    Strings Texts() const {
        Strings texts;
        for (const MessageRequest& box : dialogs.Shown()) texts.push_back(box.text);
        return texts;
    }
    std::vector<int> Boxes() const {
        std::vector<int> values;
        for (const ui::CheckBox& box : window.chkLink) values.push_back(box.Value());
        return values;
    }
    std::vector<ui::DrawRect> Draws() { return picBox().Draws(); }

    RecordingPictures pictures;
    RecordingClip clip;
    FakeFormHost host{desktop};
    InstalledThemes window{[this] {
                               platform.pictures = &pictures;
                               return platform;
                           }(),
                           host, clip};
};

}  // namespace velmora::test
