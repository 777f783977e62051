// The main window "Installed Themes": the theme list and its preview, apply and remove, the
// menus and the companion browser, as a portable class over models of its controls.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/ClipControl.h"
#include "platform/Dialogs.h"
#include "platform/FormHost.h"
#include "platform/Platform.h"
#include "theme/CheckVelmora.h"
#include "theme/clsVelmora.h"
#include "ui/Controls.h"

namespace velmora {

class BrowserWindow;

// The entries of each menu in the order the menu shows them, separators included; the
// window resource gives them contiguous ids in the same order.
enum class FileEntry { Open, Edit, CheckTheme, SaveLook, Separator, Exit, Count };
enum class EditEntry {
    Undo,
    UndoSeparator,
    ToolbarSkin,
    ThrobbersOn,
    ThrobbersOff,
    Stylesheet,
    ClickSound,
    Count
};
enum class RepairEntry { HomePage, HomePageLock, WindowPlacement, ToolbarLayout, Count };
enum class HomeEntry { Blank, Mozilla, Current, Default, Browse, Count };
enum class LayoutEntry { Thick, Thin, Count };
enum class ToolsEntry { Delete, Properties, Count };
enum class HelpEntry { About, Gallery, Updates, Separator, OnlineInfo, Count };
enum class ToolbarEntry { CopyImage, Count };

// Mouse buttons as the window's mouse handlers receive them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

class InstalledThemes {
public:
    // host: the real window showing this one; clip: the hosted `Flintor1`. Both, and every
    // port of platform the window uses, must outlive it.
    InstalledThemes(const Platform& platform, FormHost& host, ClipControl& clip);
    ~InstalledThemes();
    InstalledThemes(const InstalledThemes&) = delete;
    InstalledThemes& operator=(const InstalledThemes&) = delete;

    // Controls, under their design names.
    ui::ListBox List1;
    ui::TextBox txtSearch;
    ui::TextBox txtThemeTitle, txtAuthor, txtWebSite, txtThemeDescription, txtThemeFile;
    ui::ComboBox Combo1;
    ui::PictureBox picBackBitmap;
    ClipControl& Flintor1;
    std::array<ui::CheckBox, 7> chkLink;
    ui::Button cmdApply, cmdUnInstall, cmdCancel;
    ui::PictureBox Image1, imgExplorer;
    std::array<ui::TextBox, 4> Label1;
    // The one line under the preview naming the theme's problems ("2 problems - Details...").
    ui::TextBox txtFindings;

    // Menus: a top menu's model is its caption; its entries are named by the enumerations
    // above. The captions are the window resource's.
    ui::MenuItem mnuFile, mnuEdit, mnuRepair, mnuTools, mnuHelp, mnuToolbar;
    ui::MenuEntries<FileEntry> pmuFile;
    ui::MenuEntries<EditEntry> pmuEdit;
    ui::MenuEntries<RepairEntry> pmuRepair;
    ui::MenuEntries<HomeEntry> pmuHome;
    ui::MenuEntries<LayoutEntry> pmuLayout;
    ui::MenuEntries<ToolsEntry> pmuTools;
    ui::MenuEntries<HelpEntry> pmuHelp;
    ui::MenuEntries<ToolbarEntry> pmuToolbar;

    // The window's own events.
    void Form_Load();
    void Form_Activate();
    void Form_KeyPress(int keyAscii);
    void Form_Unload();
    // A file dragged onto the window: a theme file is opened as File > Open opens it.
    void Form_DropFile(const std::string& path);

    // Control events. The binding updates the models from the real controls first.
    void List1_Click();
    void List1_MouseDown(int button);
    void List1_KeyDown(int keyCode);
    void imgExplorer_MouseDown(int button);
    void picBackBitmap_MouseDown(int button);
    void chkLink_Click(int index);
    void chkLink_MouseMove(int index);
    void Combo1_Click();
    void cmdApply_Click();
    void cmdUnInstall_Click();
    void cmdCancel_Click();
    void Image1_Click();
    void txtSearch_KeyUp(int keyCode);
    void txtSearch_KeyDown(int keyCode);
    void txtSearch_GotFocus();
    void txtWebSite_Click();
    void txtWebSite_KeyDown(int keyCode);
    void txtThemeTitle_Change();
    void txtFindings_Click();

    // Menus: a top menu's click runs when it drops down (refreshes its entries' states); an
    // entry's click runs its action.
    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuHelp_Click();
    void pmuRepair_Click(RepairEntry entry);  // HomePage opening refreshes the start pages
    void pmuFile_Click(FileEntry entry);
    void pmuEdit_Click(EditEntry entry);
    void pmuHome_Click(HomeEntry entry);
    void pmuLayout_Click(LayoutEntry entry);
    void pmuTools_Click(ToolsEntry entry);
    void pmuHelp_Click(HelpEntry entry);
    void pmuToolbar_Click(ToolbarEntry entry);

    // The companion browser's events.
    void myWB_OnQuit();
    void myWB_WindowSetTop(long top);

    // Operations other windows and tests reach.
    bool WindowOnTop() const { return windowOnTop_; }
    void SetWindowOnTop(bool onTop);
    void LoadThemeList(const std::string& nameToSelect);
    void RemoveTheme(int index, bool silent);
    void OpenThemeFile(std::string& path);
    // Enters the theme file at path in the store and selects it, as File > Open does once a
    // file is chosen.
    void AddThemeFile(const std::string& path);
    void EnableAreaBoxes(bool enable);
    void PaintToolbarPreview(const PicturePtr& picture);
    void ResetToolbarLayout(int kind);
    void ResetWindowPlacement();
    void ReopenBrowsers();
    void BindCompanionBrowser(WindowHandle window);
    // The Edit menu's tweaks and the home page tools. The dialogs start at path and return
    // the choice in it; false (path unchanged) when the user cancelled.
    bool SelectToolbarPicture(std::string& path);
    void SelectClickSound(std::string& path);
    bool BrowseWebDocument(std::string& path);
    void ToggleHomePageLock();
    // File > Check Theme...: any theme file chosen, checked, its findings listed.
    void CheckThemeFile();
    // File > Save Current Look As...: the browser's present look written as a theme in the
    // folder of the file name typed (its title), entered in the list and selected.
    void SaveCurrentLookAs();

    // Window fields, readable for the binding and the tests.
    bool Applying() const { return applying_; }
    // A long step runs (an apply, a reset, a repair, the list's loading): no other action of
    // the window starts inside it.
    bool Busy() const { return longSteps_ > 0; }
    bool IsXP() const { return isXP_; }
    const std::string& CurrentStartPage() const { return currentStartPage_; }
    const std::string& DefaultStartPage() const { return defaultStartPage_; }
    const std::string& ToolbarPicturePath() const { return toolbarPicturePath_; }
    const std::shared_ptr<BrowserWindow>& Companion() const { return myWB_; }

private:
    class CompanionEvents;

    // A long step: the hourglass shows from the start of the outermost one to its end, and
    // Busy() holds for as long.
    class LongStep {
    public:
        explicit LongStep(InstalledThemes& window);
        ~LongStep();
        LongStep(const LongStep&) = delete;
        LongStep& operator=(const LongStep&) = delete;

    private:
        InstalledThemes& window_;
    };

    // The theme record, made on first use.
    clsVelmora& Theme();
    // Message boxes titled with the product name.
    MsgAnswer Ask(const std::string& question, bool systemModal);
    void Tell(const std::string& text, MsgIcon icon);
    // Records the state a change is about to alter, for Edit > Undo; what names the change.
    void RecordUndo(const std::string& what);
    // Edit > Undo: the recorded state back, the browsers reopened as an apply does.
    void UndoChange();
    // Every box goes through here: the hourglass is never over one.
    MsgAnswer Show(const MessageRequest& box);
    // The three kinds of list entry (the selection handling).
    void ShowCurrentTheme();
    void ShowNoTheme();
    void ShowInstalledTheme(const std::string& title);
    // An installed theme whose file is missing or cannot be read: its name and why.
    void ShowUnloadableTheme(const std::string& title, const std::string& file);
    // Why the theme file cannot be loaded, as the end of a sentence.
    std::string LoadFailure(const std::string& file) const;
    void ShowBrowserToolbar();
    void ShowBrowserThrobber();
    PicturePtr BuiltInThrobber();
    // The web-site box: the address, shown as a link only when it is one that will open.
    void ShowWebSite(const std::string& address);
    // The home-page box: the page, and the one entry of its list that opens it.
    void ShowHomePage(const std::string& page);
    // The findings line for the theme file shown; hidden for a clean theme or none.
    void ShowFindingsLine(const std::string& file);
    // The findings of file as a list in one box.
    void ShowFindings(const std::string& file, const std::vector<ThemeFinding>& findings);
    // Sets txtThemeTitle and runs txtThemeTitle_Change, as typing does.
    void SetThemeTitleText(const std::string& title);
    // Sets an area box; its switch on the record follows, as a click would make it.
    void SetAreaBox(int index, bool enabled, bool ticked);
    // Shows the selected entry (what a click on the list does).
    void ShowSelectedEntry();
    // The selected entry's text; empty without a selection.
    std::string SelectedEntry() const { return List1.SelectedText(); }
    // The search box takes the focus: as the window first shows, and when one of the
    // program's own windows has closed.
    void FocusSearch();
    // After the browsers were reopened: the window comes back in front with the focus.
    void ComeBack();
    // Load: binds the foreground browser or opens a new one, and disables it.
    void StartCompanion();
    // The companion, its events moved along; null leaves no companion.
    void SetCompanion(std::shared_ptr<BrowserWindow> browser);
    WindowHandle CompanionHandle();
    // Replaces one browser window by a new companion at its place and address; leaves the
    // window open when no new browser can be made.
    void ReopenBrowser(BrowserWindow& old);
    // Shows a page of the maker's in the companion (or through the shell) and ends the program.
    void OpenMakerPageAndEnd(const std::string& address);
    void OpenOnlineInfo();
    // The Edit menu's entries that change the browser at once, then reopen its windows.
    void SetThrobbersAndReopen(bool on);
    void SwitchStylesheetAndReopen();
    // "Select Toolbar S&kin": the chosen picture previewed, ready to apply.
    void ChooseToolbarPicture();
    // A start page of the "Reset &Home Page to..." sub-menu, written as the user's.
    void ChooseStartPage(HomeEntry entry);

    Platform platform_;
    FormHost& host_;
    std::unique_ptr<clsVelmora> theme_;  // the window's theme record, made on first use
    std::shared_ptr<BrowserWindow> myWB_;
    std::unique_ptr<CompanionEvents> events_;
    bool applying_ = false;
    bool shown_ = false;  // the window has been activated once
    int longSteps_ = 0;
    std::string shownEntry_;  // the entry the preview shows
    bool windowOnTop_ = false;
    bool isXP_ = false;
    std::string currentStartPage_;
    std::string defaultStartPage_;
    std::string toolbarPicturePath_;
    std::string findingsFile_;  // the theme file the findings line is about
    std::vector<ThemeFinding> findings_;
};

}  // namespace velmora
