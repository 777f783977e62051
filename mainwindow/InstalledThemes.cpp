// The main window "Installed Themes": its load, the theme list, applying, uninstalling,
// forgetting and adding themes.
#include "mainwindow/InstalledThemes.h"

#include "browser/BrowserDefaults.h"
#include "browser/Repairs.h"
#include "mainwindow/CompanionEvents.h"
#include "mainwindow/WebAddresses.h"
#include "platform/Browsers.h"
#include "platform/FileSystem.h"
#include "platform/ProductInfo.h"
#include "platform/Shell.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "store/ThemeListOrder.h"
#include "theme/SaveCurrentLook.h"
#include "browser/BrowserSettings.h"

namespace velmora {

namespace {

constexpr char kNewLine[] = "\r\n";
constexpr char kWindowsVersionKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kWindowsProductName[] = "ProductName";
constexpr int kEscape = 27;

// What the open-file dialog of "&Open" shows and accepts.
constexpr char kOpenTitle[] = "Open an Internet Explorer Theme file..";
constexpr char kOpenFilter[] = "Internet Explorer Theme Files|*.vlr";
constexpr char kOpenExtension[] = "vlr";
// The file must exist, the path must exist, no read-only check box.
constexpr unsigned long kOpenFlags = 0x1804;

// "*XP*" without regard to case.
bool NamesWindowsXp(const std::string& productName) {
    for (std::size_t i = 0; i + 1 < productName.size(); ++i) {
        if (SameText(productName.substr(i, 2), "XP")) return true;
    }
    return false;
}

}  // namespace

InstalledThemes::InstalledThemes(const Platform& platform, FormHost& host, ClipControl& clip)
    : Flintor1(clip),
      platform_(platform),
      host_(host),
      events_(std::make_unique<CompanionEvents>(*this)) {
    txtFindings.SetVisible(false);
}

InstalledThemes::~InstalledThemes() {
    // The browser must not call into a window that is gone.
    if (myWB_) myWB_->Connect(nullptr);
}

clsVelmora& InstalledThemes::Theme() {
    if (!theme_) theme_ = std::make_unique<clsVelmora>(platform_);
    return *theme_;
}

MsgAnswer InstalledThemes::Ask(const std::string& question, bool systemModal) {
    return Show({question, platform_.product->ProductName(), MsgButtons::YesNo, MsgIcon::Question,
                 systemModal});
}

void InstalledThemes::Tell(const std::string& text, MsgIcon icon) {
    Show({text, platform_.product->ProductName(), MsgButtons::Ok, icon, true});
}

MsgAnswer InstalledThemes::Show(const MessageRequest& box) {
    // A box is the user's turn: no hourglass over it, and back once it is answered.
    if (Busy()) platform_.dialogs->SetBusyPointer(false);
    const MsgAnswer answer = platform_.dialogs->ShowMessage(box);
    if (Busy()) platform_.dialogs->SetBusyPointer(true);
    return answer;
}

InstalledThemes::LongStep::LongStep(InstalledThemes& window) : window_(window) {
    if (window_.longSteps_++ == 0) window_.platform_.dialogs->SetBusyPointer(true);
}

InstalledThemes::LongStep::~LongStep() {
    if (--window_.longSteps_ == 0) window_.platform_.dialogs->SetBusyPointer(false);
}

void InstalledThemes::Form_Load() {
    LongStep step(*this);
    StartCompanion();
    host_.CenterOnScreen();
    SetWindowOnTop(true);
    LoadThemeList("");
}

void InstalledThemes::Form_Activate() {
    // Only as the window first shows: a user coming back from another program finds the
    // focus where it was.
    if (shown_) return;
    shown_ = true;
    FocusSearch();
}

void InstalledThemes::FocusSearch() {
    if (txtSearch.Visible()) host_.SetFocus(txtSearch);
}

void InstalledThemes::Form_KeyPress(int keyAscii) {
    if (keyAscii == kEscape) cmdCancel_Click();
}

void InstalledThemes::cmdCancel_Click() {
    if (Busy()) return;
    host_.Close();
}

void InstalledThemes::ComeBack() {
    host_.BringToFront();
}

void InstalledThemes::LoadThemeList(const std::string& nameToSelect) {
    LongStep step(*this);
    const std::vector<std::string> list = InstalledThemeStore(platform_).ThemeList();

    cRegistry registry(platform_);
    isXP_ = NamesWindowsXp(
        registry.ReadRegistry(kHkeyLocalMachine, kWindowsVersionKey, kWindowsProductName));
    currentStartPage_ =
        registry.ReadRegistry(kHkeyCurrentUser, browser::kMainKey, browser::kStartPage);
    defaultStartPage_ =
        registry.ReadRegistry(kHkeyLocalMachine, browser::kMainKey, browser::kDefaultPageUrl);

    List1.SetItems(list);
    if (const auto index = ThemeListSelection(list, nameToSelect)) {
        List1.SetListIndex(static_cast<int>(*index));
        ShowSelectedEntry();
    }
}

void InstalledThemes::cmdApply_Click() {
    if (Busy()) return;
    LongStep step(*this);
    applying_ = true;
    cmdApply.SetEnabled(false);

    const std::string entry = SelectedEntry();
    if (SameText(entry, kCurrentThemeEntry)) {
        // The toolbar picture chosen for the current theme, for both kinds of window. With
        // none chosen, writing the empty path would blank the user's toolbars.
        if (!toolbarPicturePath_.empty()) {
            RecordUndo("Select Toolbar Skin");
            SetToolbarBackground(platform_, toolbarPicturePath_);
        }
    } else if (!SameText(entry, kNoThemeEntry)) {
        // ApplyTheme marks the theme as the current one itself. One that fails changed
        // nothing: the browsers are left alone and the user learns why.
        const std::string file = txtThemeFile.Text();
        host_.SetFocus(List1);
        // A file that is not there cannot be applied: the record of the last change stays.
        if (!file.empty() && platform_.files->IsNormalFile(file)) RecordUndo("Apply " + entry);
        if (file.empty() || !Theme().ApplyTheme(file)) {
            applying_ = false;
            Tell("The Theme \"" + entry + "\" could not be applied: " + LoadFailure(file),
                 MsgIcon::Exclamation);
            return;
        }
    } else {
        RecordUndo(std::string("Apply ") + kNoThemeEntry);
        RestoreBrowserDefaults(platform_);
    }

    ReopenBrowsers();
    ComeBack();
    applying_ = false;
}

void InstalledThemes::cmdUnInstall_Click() {
    if (Busy()) return;
    if (Ask(std::string("Are you sure you want to remove this Theme - ") + kNewLine + kNewLine +
                SelectedEntry(),
            true) != MsgAnswer::Yes) {
        return;
    }
    LongStep step(*this);
    const std::string command = cmdUnInstall.Tag() + " /SILENT";
    if (!platform_.shell->StartHidden(command)) {
        // Forgetting the theme now would leave its files with no way to uninstall them.
        Tell(std::string("The Theme's uninstaller could not be started; the Theme stays "
                         "installed.") +
                 kNewLine + command,
             MsgIcon::Critical);
        return;
    }
    RemoveTheme(List1.ListIndex(), true);
    Tell("Internet Explorer needs to be refreshed for the changes to take effect.",
         MsgIcon::Critical);
    ReopenBrowsers();
    List1.SetListIndex(0);
    ShowSelectedEntry();
    ComeBack();
}

void InstalledThemes::RemoveTheme(int index, bool silent) {
    // The current-theme and no-theme entries are no stored themes.
    if (index < 2 || index >= List1.ListCount()) return;
    const std::string title = List1.List(index);
    if (!silent && Ask(std::string("Are you sure that you want to remove this Theme - ") +
                           kNewLine + title + ".",
                       false) != MsgAnswer::Yes) {
        return;
    }
    InstalledThemeStore(platform_).RemoveEntry(title);
    LoadThemeList("");
}

void InstalledThemes::OpenThemeFile(std::string& path) {
    const std::optional<std::string> chosen =
        platform_.dialogs->OpenFile({path, kOpenTitle, kOpenFilter, kOpenExtension, kOpenFlags});
    if (!chosen) return;
    path = *chosen;
    AddThemeFile(path);
}

void InstalledThemes::Form_DropFile(const std::string& path) {
    if (Busy()) return;
    if (!EndsWithText(path, ".vlr")) {
        Tell("Only Theme files (*.vlr) can be dropped here:\r\n" + path, MsgIcon::Exclamation);
        return;
    }
    AddThemeFile(path);
}

void InstalledThemes::AddThemeFile(const std::string& path) {
    if (!platform_.files->IsNormalFile(path)) return;

    clsVelmora theme(platform_);
    std::string title;
    if (theme.LoadVelmora(path)) {
        title = theme.ThemeTitle();
        InstalledThemeStore store(platform_);
        // A title that cannot name a registry key, or a write Windows refuses (no rights on
        // the machine's keys), would otherwise just leave the theme out of the list.
        if (!store.AddEntry(title, path) || store.ReadEntry(title).themeFile != path) {
            Tell("The Theme \"" + title + "\" could not be added to the installed Themes." +
                     kNewLine + path,
                 MsgIcon::Exclamation);
            title.clear();
        }
    }
    LoadThemeList(title);
}

void InstalledThemes::CheckThemeFile() {
    const std::optional<std::string> chosen = platform_.dialogs->OpenFile(
        {"", "Check an Internet Explorer Theme file..", kOpenFilter, kOpenExtension, kOpenFlags});
    if (!chosen) return;
    LongStep step(*this);
    ShowFindings(*chosen, CheckVelmora(platform_, *chosen));
}

void InstalledThemes::SaveCurrentLookAs() {
    // A file that need not exist yet; its folder must.
    constexpr unsigned long kSaveFlags = 0x80804;
    const std::optional<std::string> chosen = platform_.dialogs->OpenFile(
        {"", "Save Current Look As..", kOpenFilter, kOpenExtension, kSaveFlags});
    if (!chosen) return;
    const std::string& file = *chosen;
    std::string title = file.substr(file.rfind('\\') + 1);
    if (EndsWithText(title, ".vlr")) title.resize(title.size() - 4);
    LongStep step(*this);
    const SavedLook saved = SaveCurrentLook(platform_, file, title);
    if (!saved.written) {
        Tell("The current look could not be saved as " + file + ": " + saved.failure,
             MsgIcon::Exclamation);
        return;
    }
    std::string text =
        "The current look was saved as the Theme \"" + title + "\":" + kNewLine + file;
    if (!saved.notExpressed.empty()) text += kNewLine + std::string(kNewLine) + "Left out:";
    for (const std::string& line : saved.notExpressed) text += kNewLine + line;
    Tell(text, saved.notExpressed.empty() ? MsgIcon::Information : MsgIcon::Exclamation);
    if (!InstalledThemeStore(platform_).AddEntry(title, file)) {
        Tell("The Theme \"" + title + "\" could not be added to the installed Themes." + kNewLine +
                 file,
             MsgIcon::Exclamation);
    }
    LoadThemeList(title);
}

void InstalledThemes::Image1_Click() {
    if (Busy()) return;
    OpenMakerPageAndEnd(WebAddresses(platform_).Gallery());
}

}  // namespace velmora
