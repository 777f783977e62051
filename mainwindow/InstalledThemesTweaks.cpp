// The main window's quick repairs of the browser: the Edit menu's toolbar picture,
// throbbers, stylesheet switch, click sound and picture copy, and the home page tools.
#include "mainwindow/InstalledThemes.h"

#include <cstdlib>
#include <optional>

#include "mainwindow/BrowserDefaults.h"
#include "platform/Clipboard.h"
#include "platform/FileSystem.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "theme/BrowserSettings.h"

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

constexpr char kPolicyKey[] = "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
constexpr char kHomePageLock[] = "HomePage";
constexpr char kGeneralTab[] = "GeneralTab";
// A stored DWORD 0, as the registry class reads it.
constexpr char kDwordZero[] = "00000000";

constexpr const char* kFixedStartPages[] = {"about:blank", "about:mozilla"};

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

// "*??:*": a colon with at least two characters before it, as in a web address; a local
// path's drive letter has only one.
bool LooksLikeWebAddress(const std::string& path) {
    return path.find(':', 2) != std::string::npos;
}

}  // namespace

bool InstalledThemes::StylesheetSwitchOn() {
    const std::optional<double> value = NumericValue(cRegistry(platform_).ReadRegistry(
        kHkeyCurrentUser, browser::kStylesKey, browser::kUseMyStylesheet));
    return value && *value != 0;
}

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
    platform_.dialogs->SetBusyPointer(true);
    SetThrobbers(platform_, on);
    ReopenBrowsers();
    ComeBack();
    platform_.dialogs->SetBusyPointer(false);
}

void InstalledThemes::SwitchStylesheet() {
    platform_.dialogs->SetBusyPointer(true);
    cRegistry(platform_).WriteRegistry(kHkeyCurrentUser, browser::kStylesKey,
                                       browser::kUseMyStylesheet, kRegDword,
                                       std::int64_t{StylesheetSwitchOn() ? 0 : 1});
    ReopenBrowsers();
    ComeBack();
    platform_.dialogs->SetBusyPointer(false);
}

void InstalledThemes::SelectClickSound(std::string& path) {
    const std::optional<std::string> chosen =
        platform_.dialogs->OpenFile({path, kSoundTitle, kSoundFilter, ".wav", kExistingFileFlags});
    if (!chosen || !platform_.files->IsNormalFile(*chosen)) return;
    path = *chosen;
    cRegistry(platform_).WriteRegistry(kHkeyCurrentUser, browser::kSoundNavigating, "", kRegSz,
                                       path);
}

void InstalledThemes::pmuToolbar_Click(int index) {
    const PicturePtr& picture = picBackBitmap.Picture();
    if (index != 0 || !picture || !platform_.clipboard) return;
    if (!platform_.clipboard->CopyPicture(*picture))
        Tell("The picture could not be put on the Clipboard.", MsgIcon::Exclamation);
}

void InstalledThemes::picBackBitmap_MouseDown(int button) {
    // Only a picture shown can be copied.
    if (button == kRightButton && picBackBitmap.Picture()) host_.PopupMenu(pmuToolbar[0]);
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

void InstalledThemes::SetStartPage(int index) {
    std::string page;
    switch (index) {
        case 0:
        case 1: page = kFixedStartPages[index]; break;
        case 2: page = currentStartPage_; break;
        case 3: page = defaultStartPage_; break;
        case 4:
            if (!BrowseWebDocument(page)) return;
            break;
        default: return;
    }
    // A page the registry did not have is no address (its entry is disabled).
    if (IsNotFound(page)) return;
    cRegistry(platform_).WriteRegistry(kHkeyCurrentUser, browser::kMainKey, browser::kStartPage,
                                       kRegSz, page);
    currentStartPage_ = page;
}

void InstalledThemes::ToggleHomePageLock() {
    cRegistry registry(platform_);
    const std::string lock = registry.ReadRegistry(kHkeyCurrentUser, kPolicyKey, kHomePageLock);
    const bool locked = !SameText(lock, kDwordZero) && !IsNotFound(lock);
    const std::string question =
        locked ? "Enable Home Page changes for the current user?"
               : "Disable Home Page changes for the current user?\r\n\r\nThis will prevent virus "
                 "and worm attacks on your Home Page settings.";
    if (Ask(question, true) != MsgAnswer::Yes) return;
    const std::int64_t value = locked ? 0 : 1;
    registry.WriteRegistry(kHkeyCurrentUser, kPolicyKey, kHomePageLock, kRegDword, value);
    registry.WriteRegistry(kHkeyCurrentUser, kPolicyKey, kGeneralTab, kRegDword, value);
}

}  // namespace velmora
