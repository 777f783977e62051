// The main window's menus: their captions and the window's fixed texts, the states they are
// given when they open, the pop-ups, and which operation each entry starts.
#include "mainwindow/InstalledThemes.h"

#include "mainwindow/BrowserDefaults.h"
#include "mainwindow/DefaultToolbarLayout.h"
#include "mainwindow/WebAddresses.h"
#include "platform/Forms.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"

namespace velmora {

namespace {

constexpr char kWindowCaption[] = "Installed Themes";
constexpr char kSeparator[] = "-";

// The theme list's first two entries, the current-theme and no-theme entries, are no
// stored themes: they cannot be deleted.
constexpr int kFirstStoredTheme = 2;

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
    pmuEdit[3].SetChecked(StylesheetSwitchOn());
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
        case 1:
            // The editor is for the file shown; it is gone again once it has closed.
            if (platform_.forms)
                platform_.forms->ShowThemeEditor(txtThemeFile.Text(), host_.Handle());
            break;
        case 3: host_.Close(); break;
        default: break;
    }
}

void InstalledThemes::pmuEdit_Click(int index) {
    switch (index) {
        case 0: ChooseToolbarPicture(); break;
        case 1: SetThrobbersAndReopen(true); break;
        case 2: SetThrobbersAndReopen(false); break;
        case 3: SwitchStylesheet(); break;
        case 4: {
            std::string path;
            SelectClickSound(path);
            break;
        }
        default: break;
    }
}

void InstalledThemes::pmuRepair_Click(int index) {
    switch (index) {
        case 0:  // the start-page sub-menu opens
            // A page the registry did not have is shown as such, but cannot be chosen.
            pmuHome[2].SetCaption("&Current - " + currentStartPage_);
            pmuHome[2].SetEnabled(!IsNotFound(currentStartPage_));
            pmuHome[3].SetCaption("&Default - " + defaultStartPage_);
            pmuHome[3].SetEnabled(!IsNotFound(defaultStartPage_));
            break;
        case 1: ToggleHomePageLock(); break;
        case 2: ResetWindowPlacement(); break;
        default:  // 3: the layout sub-menu opens; it has no action of its own
            break;
    }
}

void InstalledThemes::pmuHome_Click(int index) {
    SetStartPage(index);
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
        case 0:
            if (platform_.forms) platform_.forms->ShowAbout(host_.Handle());
            break;
        case 1: OpenMakerPageAndEnd(WebAddresses(platform_).Gallery()); break;
        case 2: OpenMakerPageAndEnd(WebAddresses(platform_).UpdateCheck()); break;
        case 4: OpenOnlineInfo(); break;
        default: break;
    }
}

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
