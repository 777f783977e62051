// The main window's menus: their captions and the window's fixed texts, the states they are
// given when they open, the pop-ups, and which operation each entry starts.
#include "mainwindow/InstalledThemes.h"

#include "browser/Repairs.h"
#include "browser/UndoRecord.h"
#include "browser/DefaultToolbarLayout.h"
#include "mainwindow/WebAddresses.h"
#include "platform/Forms.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"

namespace velmora {

namespace {

// The theme list's first two entries, the current-theme and no-theme entries, are no
// stored themes: they cannot be deleted.
constexpr int kFirstStoredTheme = 2;
constexpr int kDeleteKey = 46;

}  // namespace

void InstalledThemes::mnuFile_Click() {
    // The editor edits a stored theme's file: neither pseudo entry, nor no selection, has one.
    const std::string entry = SelectedEntry();
    pmuFile[FileEntry::Edit].SetEnabled(!entry.empty() && !SameText(entry, kCurrentThemeEntry) &&
                                        !SameText(entry, kNoThemeEntry));
}

void InstalledThemes::mnuEdit_Click() {
    const std::optional<std::string> undo = UndoCaption(platform_);
    pmuEdit[EditEntry::Undo].SetCaption("&Undo" + (undo ? " " + ui::LiteralCaption(*undo) : ""));
    pmuEdit[EditEntry::Undo].SetEnabled(undo.has_value());
    pmuEdit[EditEntry::ToolbarSkin].SetEnabled(SameText(SelectedEntry(), kCurrentThemeEntry));
    pmuEdit[EditEntry::Stylesheet].SetChecked(StylesheetSwitchOn(platform_));
}

void InstalledThemes::mnuHelp_Click() {
    pmuHelp[HelpEntry::Updates].SetEnabled(true);
}

void InstalledThemes::List1_MouseDown(int button) {
    if (Busy()) return;
    if (button != kRightButton) return;
    const bool stored = List1.ListIndex() >= kFirstStoredTheme;
    pmuTools[ToolsEntry::Delete].SetEnabled(stored);
    pmuTools[ToolsEntry::Properties].SetEnabled(!stored);
    host_.PopupMenu(pmuTools[ToolsEntry::Delete]);
}

void InstalledThemes::List1_KeyDown(int keyCode) {
    // The Delete key opens what the right button opens.
    if (keyCode == kDeleteKey) List1_MouseDown(kRightButton);
}

void InstalledThemes::imgExplorer_MouseDown(int button) {
    if (Busy()) return;
    if (button != kRightButton || List1.ListIndex() != 0) return;
    mnuEdit_Click();
    host_.PopupMenu(pmuEdit[EditEntry::ToolbarSkin]);
}

void InstalledThemes::pmuFile_Click(FileEntry entry) {
    if (Busy()) return;
    switch (entry) {
        case FileEntry::Open: {
            std::string path;
            OpenThemeFile(path);
            break;
        }
        case FileEntry::Edit:
            // The editor is for the file shown; it is gone again once it has closed, and the
            // preview then shows what it saved.
            if (!platform_.forms) break;
            platform_.forms->ShowThemeEditor(txtThemeFile.Text(), host_.Handle());
            ShowSelectedEntry();
            FocusSearch();
            break;
        case FileEntry::CheckTheme: CheckThemeFile(); break;
        case FileEntry::SaveLook: SaveCurrentLookAs(); break;
        case FileEntry::Exit: host_.Close(); break;
        default: break;
    }
}

void InstalledThemes::pmuEdit_Click(EditEntry entry) {
    if (Busy()) return;
    switch (entry) {
        case EditEntry::Undo: UndoChange(); break;
        case EditEntry::ToolbarSkin: ChooseToolbarPicture(); break;
        case EditEntry::ThrobbersOn: SetThrobbersAndReopen(true); break;
        case EditEntry::ThrobbersOff: SetThrobbersAndReopen(false); break;
        case EditEntry::Stylesheet: SwitchStylesheetAndReopen(); break;
        case EditEntry::ClickSound: {
            std::string path;
            SelectClickSound(path);
            break;
        }
        default: break;
    }
}

void InstalledThemes::pmuRepair_Click(RepairEntry entry) {
    if (Busy()) return;
    switch (entry) {
        case RepairEntry::HomePage:  // the start-page sub-menu opens
            // A page the registry did not have is shown as such, but cannot be chosen.
            pmuHome[HomeEntry::Current].SetCaption("&Current - " +
                                                   ui::LiteralCaption(currentStartPage_));
            pmuHome[HomeEntry::Current].SetEnabled(!IsNotFound(currentStartPage_));
            pmuHome[HomeEntry::Default].SetCaption("&Default - " +
                                                   ui::LiteralCaption(defaultStartPage_));
            pmuHome[HomeEntry::Default].SetEnabled(!IsNotFound(defaultStartPage_));
            break;
        case RepairEntry::HomePageLock: ToggleHomePageLock(); break;
        case RepairEntry::WindowPlacement: ResetWindowPlacement(); break;
        default:  // the layout sub-menu opens; it has no action of its own
            break;
    }
}

void InstalledThemes::pmuHome_Click(HomeEntry entry) {
    if (Busy()) return;
    ChooseStartPage(entry);
}

void InstalledThemes::pmuLayout_Click(LayoutEntry entry) {
    if (Busy()) return;
    if (entry == LayoutEntry::Thick) ResetToolbarLayout(kThickLayout);
    if (entry == LayoutEntry::Thin) ResetToolbarLayout(kThinLayout);
}

void InstalledThemes::pmuTools_Click(ToolsEntry entry) {
    if (Busy()) return;
    // "&Properties" has no action.
    if (entry == ToolsEntry::Delete && List1.ListIndex() >= kFirstStoredTheme)
        RemoveTheme(List1.ListIndex(), false);
}

void InstalledThemes::pmuHelp_Click(HelpEntry entry) {
    if (Busy()) return;
    switch (entry) {
        case HelpEntry::About:
            if (!platform_.forms) break;
            platform_.forms->ShowAbout(host_.Handle());
            FocusSearch();
            break;
        case HelpEntry::Gallery: OpenMakerPageAndEnd(WebAddresses(platform_).Gallery()); break;
        case HelpEntry::Updates: OpenMakerPageAndEnd(WebAddresses(platform_).UpdateCheck()); break;
        case HelpEntry::OnlineInfo: OpenOnlineInfo(); break;
        default: break;
    }
}

void InstalledThemes::RecordUndo(const std::string& what) {
    velmora::RecordUndo(platform_, what);
}

void InstalledThemes::UndoChange() {
    LongStep step(*this);
    if (!UndoLastChange(platform_)) return;
    ReopenBrowsers();
    // The current theme's mark may have changed back: the list and preview show it.
    LoadThemeList(SelectedEntry());
    ComeBack();
}

void InstalledThemes::ResetToolbarLayout(int kind) {
    LongStep step(*this);
    RecordUndo("Reset Toolbar Layout");
    WriteDefaultToolbarLayouts(platform_, kind == kThinLayout ? kThinLayout : kThickLayout);
    ReopenBrowsers();
    ComeBack();
}

void InstalledThemes::ResetWindowPlacement() {
    if (Ask("This option will reset Internet Explorers' Window Placement.\r\nAre you sure?",
            true) != MsgAnswer::Yes) {
        return;
    }
    LongStep step(*this);
    RecordUndo("Reset Window Placement");
    ForgetWindowPlacement(platform_);
}

}  // namespace velmora
