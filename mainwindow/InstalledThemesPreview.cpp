// The main window's theme list and preview: showing the selected entry, the toolbar picture
// and throbber previews, the area boxes, the type-ahead and the caption rule.
#include "mainwindow/InstalledThemes.h"

#include <algorithm>

#include "mainwindow/ToolbarPreviewTiling.h"
#include "platform/Browsers.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "browser/BrowserSettings.h"
#include "ui/SelectAllText.h"
#include "theme/WebAddress.h"

namespace velmora {

namespace {

constexpr char kNewLine[] = "\r\n";
constexpr char kBlankPage[] = "about:blank";
constexpr char kNoThemeDescription[] =
    "Removes all branding and resests your Web settings to their original Internet Explorer "
    "Defaults.";
constexpr int kBackspace = 8;
constexpr int kEnterKey = 13;
constexpr int kSpaceKey = 32;
constexpr int kAreaCount = 7;

// The area boxes by index: the record's switch each one sets, whether the theme has
// anything for that area, and the tool tip the box shows.
struct Area {
    void (*setSwitch)(clsVelmora&, bool);
    bool (*hasContent)(const clsVelmora&);
    std::string (*toolTip)(const clsVelmora&);
};

const Area kAreas[kAreaCount] = {
    // A home page of "None" is no page: pages have no "None" word, so applying it would
    // make the browser start at the address "None".
    {[](clsVelmora& t, bool on) { t.SetApply_HomePage(on); },
     [](const clsVelmora& t) { return !t.HomePage().empty() && !SameText(t.HomePage(), "None"); },
     [](const clsVelmora& t) { return "Home Page: " + t.HomePage(); }},
    {[](clsVelmora& t, bool on) { t.SetApply_SearchBar(on); },
     [](const clsVelmora& t) {
         return !(t.SearchBar() + t.SearchAssistant() + t.SearchPage() + t.SearchURL()).empty();
     },
     [](const clsVelmora& t) {
         return "Search Bar: " + t.SearchBar() + kNewLine +
                "Search Assistant: " + t.SearchAssistant();
     }},
    {[](clsVelmora& t, bool on) { t.SetApply_TipsPage(on); },
     [](const clsVelmora& t) { return !t.TipsPage().empty(); },
     [](const clsVelmora& t) { return "Tips Page: " + t.TipsPage(); }},
    {[](clsVelmora& t, bool on) { t.SetApply_StyleExtension(on); },
     [](const clsVelmora& t) { return !t.StyleFile().empty(); },
     [](const clsVelmora& t) { return "User Stylesheet: " + t.StyleFile(); }},
    {[](clsVelmora& t, bool on) { t.SetApply_Throbbers(on); },
     [](const clsVelmora& t) { return !t.BrandLarge().empty(); },
     [](const clsVelmora& t) { return t.AniLarge() + kNewLine; }},
    {[](clsVelmora& t, bool on) { t.SetApply_ToolbarSkin(on); },
     [](const clsVelmora& t) { return !t.WESkin().empty(); },
     [](const clsVelmora& t) { return t.WESkin(); }},
    {[](clsVelmora& t, bool on) { t.SetApply_Sounds(on); },
     [](const clsVelmora& t) { return !t.Navigate().empty(); },
     [](const clsVelmora& t) { return "Navigate: " + t.Navigate() + kNewLine; }},
};

bool IsAreaIndex(int index) {
    return index >= 0 && index < kAreaCount;
}

// A command line's program: the text itself, or what stands between its leading quotes.
std::string CommandProgram(const std::string& command) {
    if (command.size() >= 2 && command.front() == '"') {
        const std::size_t close = command.find('"', 1);
        if (close != std::string::npos) return command.substr(1, close - 1);
    }
    return command;
}

}  // namespace

PicturePtr InstalledThemes::BuiltInThrobber() {
    return platform_.pictures->BuiltIn(isXP_ ? BuiltInStrip::XP : BuiltInStrip::Classic);
}

void InstalledThemes::List1_Click() {
    if (Busy()) {
        // The preview keeps the entry it shows: the selection goes back to it.
        const std::vector<std::string>& items = List1.Items();
        const auto shown = std::find(items.begin(), items.end(), shownEntry_);
        List1.SetListIndex(shown == items.end() ? -1 : static_cast<int>(shown - items.begin()));
        return;
    }
    ShowSelectedEntry();
}

void InstalledThemes::ShowSelectedEntry() {
    LongStep step(*this);
    const std::string entry = SelectedEntry();
    shownEntry_ = entry;
    ShowFindingsLine("");
    if (SameText(entry, kCurrentThemeEntry)) {
        ShowCurrentTheme();
    } else if (SameText(entry, kNoThemeEntry)) {
        ShowNoTheme();
    } else if (!entry.empty()) {
        ShowInstalledTheme(entry);
    }
}

void InstalledThemes::ShowBrowserToolbar() {
    const std::string path = cRegistry(platform_).ReadRegistry(
        kHkeyCurrentUser, browser::kToolbarKey, browser::kBrowserBackBitmap);
    if (IsNotFound(path)) {
        picBackBitmap.ClearDrawing();
        return;
    }
    toolbarPicturePath_ = path;
    PaintToolbarPreview(platform_.pictures->LoadPicture(path));
}

void InstalledThemes::ShowBrowserThrobber() {
    const std::string path = cRegistry(platform_).ReadRegistry(
        kHkeyCurrentUser, browser::kToolbarKey, browser::kBrandBitmap);
    // No strip, or one that cannot be loaded: the browser shows its own throbber, and so does
    // the preview (never the strip of the theme shown before).
    PicturePtr strip =
        IsNotFound(path) || path.empty() ? nullptr : platform_.pictures->LoadPicture(path);
    Flintor1.SetAniPicture(strip ? strip : BuiltInThrobber());
    Flintor1.Play();
}

void InstalledThemes::ShowCurrentTheme() {
    cmdUnInstall.SetVisible(false);
    mnuEdit.SetEnabled(true);
    EnableAreaBoxes(false);
    cmdApply.SetEnabled(false);
    txtSearch.SetText("");
    // The description and the title are emptied, and filled again when the current theme
    // shows: each is set once, at the end, so that a box that ends as it was is not redrawn
    // (the description box lays its lines out anew at every text).
    std::string description, title;
    const auto showTexts = [&] {
        txtThemeDescription.SetText(description);
        SetThemeTitleText(title);
    };

    const std::string mark = InstalledThemeStore(platform_).ReadMark();
    if (SameText(mark, kNoThemeEntry) || IsNotFound(mark)) {
        txtAuthor.SetText("");
        ShowWebSite("");
        txtThemeFile.SetText("");
        title = mark;
        showTexts();
        if (IsNotFound(mark)) {
            // No theme was ever applied: the built-in look.
            picBackBitmap.ClearDrawing();
            Flintor1.SetAniPicture(BuiltInThrobber());
            ShowHomePage(kBlankPage);
        } else {
            ShowBrowserToolbar();
            ShowBrowserThrobber();
        }
        return;
    }

    ShowBrowserToolbar();
    ShowBrowserThrobber();
    const std::string file = InstalledThemeStore(platform_).ReadEntry(mark).themeFile;
    if (!IsNotFound(file) && Theme().LoadVelmora(file)) {
        const clsVelmora& theme = Theme();
        txtAuthor.SetText(theme.Author());
        ShowWebSite(theme.WebSite());
        txtThemeFile.SetText(file);
        description = theme.Description();
        title = mark;
        Flintor1.SetVisible(!SameText(theme.WebThumper(), "No"));
    }
    showTexts();
    const std::string startPage =
        cRegistry(platform_).ReadRegistry(kHkeyCurrentUser, browser::kMainKey, browser::kStartPage);
    ShowHomePage(IsNotFound(startPage) ? std::string() : startPage);
}

void InstalledThemes::ShowNoTheme() {
    cmdUnInstall.SetVisible(false);
    mnuEdit.SetEnabled(true);
    EnableAreaBoxes(false);
    cmdApply.SetEnabled(true);
    picBackBitmap.ClearDrawing();
    Flintor1.SetAniPicture(BuiltInThrobber());
    Flintor1.Play();
    Flintor1.SetVisible(true);
    txtAuthor.SetText("");
    ShowWebSite("");
    txtThemeFile.SetText("");
    txtThemeDescription.SetText(kNoThemeDescription);
    SetThemeTitleText(kNoThemeEntry);
    ShowHomePage(kBlankPage);
}

void InstalledThemes::ShowInstalledTheme(const std::string& title) {
    mnuEdit.SetEnabled(true);
    txtSearch.SetText(title);

    InstalledThemeStore store(platform_);
    const std::string mark = store.ReadMark();
    const InstalledThemeEntry entry = store.ReadEntry(title);
    txtThemeFile.SetText(entry.themeFile);
    cmdUnInstall.SetTag(entry.uninstallFile);
    cmdUnInstall.SetVisible(!IsNotFound(entry.uninstallFile) &&
                            platform_.files->IsNormalFile(CommandProgram(entry.uninstallFile)));
    // Applying the theme that is already the current one is not offered.
    cmdApply.SetEnabled(!SameText(title, mark));

    if (IsNotFound(entry.themeFile) || !Theme().LoadVelmora(entry.themeFile)) {
        ShowUnloadableTheme(title, entry.themeFile);
        return;
    }
    clsVelmora& theme = Theme();
    ShowFindingsLine(entry.themeFile);

    EnableAreaBoxes(true);
    const bool homePage = !theme.HomePage().empty() && theme.Apply_HomePage();
    SetAreaBox(0, homePage, homePage);
    if (homePage) {
        chkLink[0].SetToolTip(theme.HomePage());
        chkLink[0].SetTag(theme.HomePage());
    }
    const bool search = !theme.SearchBar().empty() && theme.Apply_SearchBar();
    SetAreaBox(1, search, search);
    if (search) {
        chkLink[1].SetToolTip(theme.SearchBar());
        chkLink[1].SetTag(theme.SearchBar());
    }

    const std::string back = theme.BackBitmap();
    if (SameText(back, "None")) {
        PaintToolbarPreview(platform_.pictures->EmptyPicture());
    } else {
        // Without a picture of its own the theme keeps the browser's toolbar picture.
        const std::string path = !back.empty() ? back
                                               : cRegistry(platform_).ReadRegistry(
                                                     kHkeyCurrentUser, browser::kToolbarKey,
                                                     browser::kBrowserBackBitmap);
        PaintToolbarPreview(IsNotFound(path) ? nullptr : platform_.pictures->LoadPicture(path));
    }

    // A strip that cannot be loaded shows as none given: the browser's own throbber.
    const std::string strip = theme.AniLarge();
    const PicturePtr picture = strip.empty()             ? nullptr
                               : SameText(strip, "None") ? platform_.pictures->EmptyPicture()
                                                         : platform_.pictures->LoadPicture(strip);
    Flintor1.SetAniPicture(picture ? picture : BuiltInThrobber());
    if (picture) Flintor1.Play();
    Flintor1.SetVisible(!SameText(theme.WebThumper(), "No"));

    SetThemeTitleText(theme.ThemeTitle());
    txtAuthor.SetText(theme.Author());
    ShowWebSite(theme.WebSite());
    txtThemeDescription.SetText(theme.Description());
    ShowHomePage(theme.HomePage());
}

void InstalledThemes::ShowUnloadableTheme(const std::string& title, const std::string& file) {
    // Nothing of the previous theme stays on screen, and nothing can be applied.
    for (int index = 0; index < kAreaCount; ++index) SetAreaBox(index, false, false);
    cmdApply.SetEnabled(false);
    picBackBitmap.ClearDrawing();
    Flintor1.SetVisible(false);
    txtAuthor.SetText("");
    ShowWebSite("");
    ShowHomePage("");
    txtThemeDescription.SetText("This Theme could not be loaded: " + LoadFailure(file));
    SetThemeTitleText(title);
}

std::string InstalledThemes::LoadFailure(const std::string& file) const {
    if (file.empty() || IsNotFound(file)) return "its entry names no theme file.";
    if (!platform_.files->IsNormalFile(file)) return "there is no file at " + file + ".";
    return file + " could not be read as a Theme file.";
}

void InstalledThemes::PaintToolbarPreview(const PicturePtr& picture) {
    // A picture that could not be loaded shows as none: never the picture shown before.
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0) {
        picBackBitmap.ClearDrawing();
        return;
    }
    picBackBitmap.Draw(
        picture, ToolbarPreviewDraws(picture->Width(), picture->Height(),
                                     picBackBitmap.ScaleWidth(), picBackBitmap.ScaleHeight()));
}

void InstalledThemes::EnableAreaBoxes(bool enable) {
    for (int index = 0; index < kAreaCount; ++index) {
        const bool content = kAreas[index].hasContent(Theme());
        SetAreaBox(index, content && enable, content && enable);
    }
}

void InstalledThemes::SetAreaBox(int index, bool enabled, bool ticked) {
    chkLink[index].SetEnabled(enabled);
    chkLink[index].SetValue(ticked ? 1 : 0);
    chkLink_Click(index);
}

void InstalledThemes::chkLink_Click(int index) {
    if (!IsAreaIndex(index)) return;
    kAreas[index].setSwitch(Theme(), chkLink[index].Value() == 1);
}

void InstalledThemes::chkLink_MouseMove(int index) {
    if (!IsAreaIndex(index)) return;
    chkLink[index].SetToolTip(kAreas[index].toolTip(Theme()));
}

void InstalledThemes::ShowHomePage(const std::string& page) {
    Combo1.SetText(page);
    Combo1.SetItems(page.empty() ? std::vector<std::string>{} : std::vector<std::string>{page});
}

void InstalledThemes::Combo1_Click() {
    if (Busy()) return;
    // The page chosen from the list (the binding has put it in the box).
    const std::string page = Combo1.Text();
    if (myWB_ && !page.empty()) myWB_->Navigate2(page, std::nullopt);
}

void InstalledThemes::SetThemeTitleText(const std::string& title) {
    txtThemeTitle.SetText(title);
    // Also when the title stays: two entries can share a title while their files differ,
    // and the caption must name the file shown.
    txtThemeTitle_Change();
}

void InstalledThemes::txtThemeTitle_Change() {
    host_.SetCaption(txtThemeTitle.Text() + " - " + txtThemeFile.Text());
}

void InstalledThemes::txtSearch_KeyUp(int keyCode) {
    if (Busy()) return;
    // Backspace never completes, so that the user can delete what was completed.
    if (keyCode == kBackspace) return;
    const std::string typed = txtSearch.Text();
    const std::size_t n = typed.size();
    if (static_cast<int>(n) == txtSearch.SelLength()) return;
    for (int index = 0; index < List1.ListCount(); ++index) {
        const std::string& entry = List1.List(index);
        if (entry.size() < n || !SameText(entry.substr(0, n), typed)) continue;
        txtSearch.SetText(entry);
        txtSearch.SetSelection(static_cast<int>(n), static_cast<int>(entry.size() - n));
        List1.SetListIndex(index);
        ShowSelectedEntry();
        host_.SetFocus(txtSearch);
        return;
    }
}

void InstalledThemes::txtSearch_GotFocus() {
    txtSearch.SetSelection(0, static_cast<int>(txtSearch.Text().size()));
    SelectAllText(*platform_.windowing);
}

void InstalledThemes::ShowFindingsLine(const std::string& file) {
    findingsFile_ = file;
    findings_ = file.empty() ? std::vector<ThemeFinding>{} : CheckVelmora(platform_, file);
    const std::size_t count = findings_.size();
    txtFindings.SetText(std::to_string(count) + (count == 1 ? " problem" : " problems") +
                        " - Details...");
    txtFindings.SetLink(count > 0);
    txtFindings.SetVisible(count > 0);
}

void InstalledThemes::txtFindings_Click() {
    if (Busy() || findings_.empty()) return;
    ShowFindings(findingsFile_, findings_);
}

void InstalledThemes::ShowFindings(const std::string& file,
                                   const std::vector<ThemeFinding>& findings) {
    if (findings.empty()) {
        Tell("No problems found in " + file + ".", MsgIcon::Information);
        return;
    }
    std::string text = "Problems found in " + file + ":" + kNewLine;
    for (const ThemeFinding& finding : findings) text += kNewLine + FindingLine(finding);
    Tell(text, WorstSeverityCode(findings) == 2 ? MsgIcon::Critical : MsgIcon::Exclamation);
}

void InstalledThemes::ShowWebSite(const std::string& address) {
    txtWebSite.SetText(address);
    txtWebSite.SetLink(IsWebAddress(address));
}

void InstalledThemes::txtWebSite_KeyDown(int keyCode) {
    if (keyCode == kEnterKey || keyCode == kSpaceKey) txtWebSite_Click();
}

void InstalledThemes::txtSearch_KeyDown(int keyCode) {
    // The match is selected in the list already: Enter takes the user there, never to Apply.
    if (keyCode == kEnterKey && !Busy()) host_.SetFocus(List1);
}

void InstalledThemes::txtWebSite_Click() {
    if (Busy()) return;
    const std::string& address = txtWebSite.Text();
    if (address.empty()) return;
    if (IsWebAddress(address)) {
        platform_.shell->OpenDocument(address);
    } else {
        Tell(RefusedAddressMessage(address), MsgIcon::Exclamation);
    }
}

}  // namespace velmora
