// The main window's menus: their captions and the window's fixed texts, the states they are
// given when they open, the pop-ups, and which operation each entry starts.
#include "mainwindow/InstalledThemes.h"

#include <cstdlib>

#include "mainwindow/BrowserDefaults.h"
#include "mainwindow/DefaultToolbarLayout.h"
#include "mainwindow/WebAddresses.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "theme/BrowserSettings.h"

namespace velmora {

namespace {

constexpr char kWindowCaption[] = "Installed Themes";
constexpr char kSeparator[] = "-";

// The theme list's first two entries, the current-theme and no-theme entries, are no
// stored themes: they cannot be deleted.
constexpr int kFirstStoredTheme = 2;

// The text as a number, as the registry class gives a DWORD ("00000001"); nothing when it is
// no number (for example "Not Found", or the hexadecimal pairs of a binary value).
std::optional<double> NumericValue(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const std::string trimmed = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::size_t i = trimmed[0] == '+' || trimmed[0] == '-' ? 1 : 0;
    bool digits = false, point = false;
    for (; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    return std::strtod(trimmed.c_str(), nullptr);
}

}  // namespace

void InstalledThemes::SetMenuTexts() {
    host_.SetCaption(kWindowCaption);
    mnuFile.SetCaption("&File");
    mnuEdit.SetCaption("&Edit");
    mnuRepair.SetCaption("&Repair");
    mnuTools.SetCaption("Tools");
    mnuHelp.SetCaption("&Help");
    mnuToolbar.SetCaption("Toolbar");
    // The two menus that only ever open as pop-ups have no place on the menu bar.
    mnuTools.SetVisible(false);
    mnuToolbar.SetVisible(false);

    const char* const file[] = {"&Open", "&Edit", kSeparator, "E&xit"};
    const char* const edit[] = {"Select Toolbar S&kin", "Turn Throbbers &On", "Turn Throbbers O&ff",
                                "Use &Stylesheet Extensions", "Select &Click Sound..."};
    const char* const repair[] = {"Reset &Home Page to...", "&Enable/Disable Home Page Changes",
                                  "Reset &Window Placement", "Reset &Toolbar Layout"};
    const char* const home[] = {"&Blank - about:blank", "&Mozilla - about:mozilla", "&Current - ",
                                "&Default - ", "B&rowse..."};
    const char* const layout[] = {"&1 - Thick", "&2 - Thin"};
    const char* const tools[] = {"&Delete", "&Properties"};
    const char* const help[] = {"&About", "Visit our Gallery", "Check for Updates", kSeparator,
                                "On-line Info"};
    const auto set = [](auto& entries, const char* const* captions) {
        for (std::size_t i = 0; i < entries.size(); ++i) entries[i].SetCaption(captions[i]);
    };
    set(pmuFile, file);
    set(pmuEdit, edit);
    set(pmuRepair, repair);
    set(pmuHome, home);
    set(pmuLayout, layout);
    set(pmuTools, tools);
    set(pmuHelp, help);
    pmuToolbar[0].SetCaption("Copy Image to Clipboard");

    const char* const labels[] = {"Title:", "Author:", "Web Site:", "Description:"};
    for (std::size_t i = 0; i < Label1.size(); ++i) Label1[i].SetText(labels[i]);
    cmdCancel.SetText("Close");
    cmdApply.SetText("&Apply");
    cmdUnInstall.SetText("Uninstall");
    const char* const areas[] = {"Home Page", "Search Settings", "Tips Page", "Document Skin",
                                 "Throbbers", "Toolbar Skins",   "Web Sounds"};
    for (std::size_t i = 0; i < chkLink.size(); ++i) chkLink[i].SetText(areas[i]);
}

void InstalledThemes::mnuFile_Click() {
    // The editor edits a stored theme's file: neither pseudo entry, nor no selection, has one.
    const std::string entry = SelectedEntry();
    pmuFile[1].SetEnabled(!entry.empty() && !SameText(entry, kCurrentThemeEntry) &&
                          !SameText(entry, kNoThemeEntry));
}

void InstalledThemes::mnuEdit_Click() {
    pmuEdit[0].SetEnabled(SameText(SelectedEntry(), kCurrentThemeEntry));
    const std::optional<double> useStylesheet = NumericValue(cRegistry(platform_).ReadRegistry(
        kHkeyCurrentUser, browser::kStylesKey, browser::kUseMyStylesheet));
    pmuEdit[3].SetChecked(useStylesheet && *useStylesheet != 0);
}

void InstalledThemes::mnuHelp_Click() {
    pmuHelp[2].SetEnabled(true);
}

void InstalledThemes::List1_MouseDown(int button) {
    if (button != kRightButton) return;
    const bool stored = List1.ListIndex() >= kFirstStoredTheme;
    pmuTools[0].SetEnabled(stored);
    pmuTools[1].SetEnabled(!stored);
    host_.PopupMenu(pmuTools[0]);
}

void InstalledThemes::imgExplorer_MouseDown(int button) {
    if (button != kRightButton || List1.ListIndex() != 0) return;
    mnuEdit_Click();
    host_.PopupMenu(pmuEdit[0]);
}

void InstalledThemes::pmuFile_Click(int index) {
    switch (index) {
        case 0: {
            std::string path;
            OpenThemeFile(path);
            break;
        }
        case 1: DeferredEntry(pmuFile[1]); break;
        case 3: host_.Close(); break;
        default: break;
    }
}

void InstalledThemes::pmuEdit_Click(int index) {
    if (index >= 0 && index < static_cast<int>(pmuEdit.size())) DeferredEntry(pmuEdit[index]);
}

void InstalledThemes::pmuRepair_Click(int index) {
    switch (index) {
        case 0:  // the start-page sub-menu opens
            pmuHome[2].SetCaption("&Current - " + currentStartPage_);
            pmuHome[3].SetCaption("&Default - " + defaultStartPage_);
            break;
        case 1: DeferredEntry(pmuRepair[1]); break;
        case 2: ResetWindowPlacement(); break;
        default:  // 3: the layout sub-menu opens; it has no action of its own
            break;
    }
}

void InstalledThemes::pmuHome_Click(int index) {
    if (index >= 0 && index < static_cast<int>(pmuHome.size())) DeferredEntry(pmuHome[index]);
}

void InstalledThemes::pmuLayout_Click(int index) {
    if (index == 0) ResetToolbarLayout(kThickLayout);
    if (index == 1) ResetToolbarLayout(kThinLayout);
}

void InstalledThemes::pmuTools_Click(int index) {
    // "&Properties" has no action.
    if (index == 0 && List1.ListIndex() >= kFirstStoredTheme) RemoveTheme(List1.ListIndex(), false);
}

void InstalledThemes::pmuHelp_Click(int index) {
    switch (index) {
        case 0: DeferredEntry(pmuHelp[0]); break;
        case 1: OpenMakerPageAndEnd(WebAddresses(platform_).Gallery()); break;
        case 2: OpenMakerPageAndEnd(WebAddresses(platform_).UpdateCheck()); break;
        case 4: OpenOnlineInfo(); break;
        default: break;
    }
}

void InstalledThemes::pmuToolbar_Click(int index) {
    if (index == 0) DeferredEntry(pmuToolbar[0]);
}

// The File menu's "&Edit" (theme editor), the Edit menu's tweaks, the start-page entries and
// the home-page lock, "&About" and "Copy Image to Clipboard" get their work when the theme
// editor, the About window and the browser tweaks join the program.
void InstalledThemes::DeferredEntry(const ui::MenuItem&) {}

void InstalledThemes::ResetToolbarLayout(int kind) {
    platform_.dialogs->SetBusyPointer(true);
    WriteDefaultToolbarLayouts(platform_, kind == kThinLayout ? kThinLayout : kThickLayout);
    ReopenBrowsers();
    ComeBack();
    platform_.dialogs->SetBusyPointer(false);
}

void InstalledThemes::ResetWindowPlacement() {
    if (Ask("This option will reset Internet Explorers' Window Placement.\r\nAre you sure?",
            true) != MsgAnswer::Yes) {
        return;
    }
    platform_.dialogs->SetBusyPointer(true);
    ForgetWindowPlacement(platform_);
    platform_.dialogs->SetBusyPointer(false);
}

}  // namespace velmora
