// The main window's quick repairs of the browser: the Edit menu's toolbar picture,
// throbbers, stylesheet switch, click sound and picture copy, and the home page tools.
#include "mainwindow/InstalledThemes.h"

#include <optional>

#include "browser/Repairs.h"
#include "platform/Clipboard.h"
#include "platform/FileSystem.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "browser/BrowserSettings.h"

namespace velmora {

namespace {

// The file must exist, the path must exist, no read-only check box.
constexpr unsigned long kExistingFileFlags = 0x1804;
constexpr char kPictureTitle[] = "Select Toolbar Picture";
constexpr char kPictureFilter[] =
    "Windows Bitmap Files|*.bmp|Other Unsupported Image Files|*.gif;*.jpg;*.png;*.ico";
constexpr char kSoundTitle[] = "Select Click Sound";
constexpr char kSoundFilter[] = "Windows Sound Files|*.wav";

// Explorer-style dialog, no read-only check box, prompt before overwriting.
constexpr unsigned long kWebDocumentFlags = 0x80006;
constexpr char kWebDocumentTitle[] = "Open Web Document";
constexpr char kWebDocumentFilter[] =
    "Internet Files(*.htm;*.html;*.asp*;*.hta;*.htc;*.vbd)|*.htm;*.html;*.asp*;*.hta;*.htc;*.vbd|"
    "Office Documents(*.do*;*.xl*;*.pp*)|*.do*;*.xl*;*.pp*|"
    "Image Files(*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg|All Files(*.*)|*.*";

// "*??:*": a colon with at least two characters before it, as in a web address; a local
// path's drive letter has only one.
bool LooksLikeWebAddress(const std::string& path) {
    return path.find(':', 2) != std::string::npos;
}

}  // namespace

bool InstalledThemes::SelectToolbarPicture(std::string& path) {
    const std::optional<std::string> chosen = platform_.dialogs->OpenFile(
        {path, kPictureTitle, kPictureFilter, ".bmp", kExistingFileFlags});
    if (!chosen) return false;
    path = *chosen;
    return true;
}

void InstalledThemes::ChooseToolbarPicture() {
    // The picture is applied to the current theme only (see cmdApply_Click).
    if (!SameText(SelectedEntry(), kCurrentThemeEntry)) return;
    std::string path = toolbarPicturePath_;
    if (!SelectToolbarPicture(path)) return;
    const PicturePtr picture = platform_.pictures->LoadPicture(path);
    if (!picture) {
        Tell("The picture could not be loaded:\r\n" + path +
                 "\r\n\r\nThe toolbar picture stays as it was. Choose a Windows Bitmap file "
                 "(*.bmp).",
             MsgIcon::Exclamation);
        return;
    }
    toolbarPicturePath_ = path;
    PaintToolbarPreview(picture);
    cmdApply.SetEnabled(true);
}

void InstalledThemes::SetThrobbersAndReopen(bool on) {
    LongStep step(*this);
    RecordUndo(on ? "Turn Throbbers On" : "Turn Throbbers Off");
    SetThrobbers(platform_, on);
    ReopenBrowsers();
    ComeBack();
}

void InstalledThemes::SwitchStylesheetAndReopen() {
    LongStep step(*this);
    RecordUndo("Stylesheet Switch");
    SwitchStylesheet(platform_);
    ReopenBrowsers();
    ComeBack();
}

void InstalledThemes::SelectClickSound(std::string& path) {
    const std::optional<std::string> chosen =
        platform_.dialogs->OpenFile({path, kSoundTitle, kSoundFilter, ".wav", kExistingFileFlags});
    if (!chosen || !platform_.files->IsNormalFile(*chosen)) return;
    path = *chosen;
    RecordUndo("Click Sound");
    SetClickSound(platform_, path);
}

void InstalledThemes::pmuToolbar_Click(ToolbarEntry entry) {
    if (Busy()) return;
    const PicturePtr& picture = picBackBitmap.Picture();
    if (entry != ToolbarEntry::CopyImage || !picture || !platform_.clipboard) return;
    if (!platform_.clipboard->CopyPicture(*picture))
        Tell("The picture could not be put on the Clipboard.", MsgIcon::Exclamation);
}

void InstalledThemes::picBackBitmap_MouseDown(int button) {
    if (Busy()) return;
    // Only a picture shown can be copied.
    if (button == kRightButton && picBackBitmap.Picture())
        host_.PopupMenu(pmuToolbar[ToolbarEntry::CopyImage]);
}

bool InstalledThemes::BrowseWebDocument(std::string& path) {
    OpenFileRequest request{path, kWebDocumentTitle, kWebDocumentFilter, "HTM", kWebDocumentFlags};
    if (LooksLikeWebAddress(path)) {
        request.fileName.clear();
    } else {
        request.initialDir = path;
    }
    const std::optional<std::string> chosen = platform_.dialogs->OpenFile(request);
    if (!chosen) return false;
    path = *chosen;
    return true;
}

void InstalledThemes::ChooseStartPage(HomeEntry entry) {
    std::string page;
    switch (entry) {
        case HomeEntry::Blank: page = "about:blank"; break;
        case HomeEntry::Mozilla: page = "about:mozilla"; break;
        case HomeEntry::Current: page = currentStartPage_; break;
        case HomeEntry::Default: page = defaultStartPage_; break;
        case HomeEntry::Browse:
            if (!BrowseWebDocument(page)) return;
            break;
        default: return;
    }
    // A page the registry did not have is no address (its entry is disabled).
    if (IsNotFound(page)) return;
    RecordUndo("Reset Home Page");
    SetStartPage(platform_, page);
    currentStartPage_ = page;
}

void InstalledThemes::ToggleHomePageLock() {
    const bool locked = HomePageLocked(platform_);
    const std::string question =
        locked ? "Enable Home Page changes for the current user?"
               : "Disable Home Page changes for the current user?\r\n\r\nThis will prevent virus "
                 "and worm attacks on your Home Page settings.";
    if (Ask(question, true) != MsgAnswer::Yes) return;
    RecordUndo(locked ? "Enable Home Page Changes" : "Disable Home Page Changes");
    LockHomePage(platform_, !locked);
}

}  // namespace velmora
