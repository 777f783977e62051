// The one-shot actions for a file opened with the program: close the browser windows,
// apply a theme file, make a bitmap the toolbar background.
#include "app/FileActions.h"

#include "app/Switches.h"
#include "platform/Browsers.h"
#include "platform/FileSystem.h"
#include "platform/ProductInfo.h"
#include "platform/Shell.h"
#include "browser/Repairs.h"
#include "browser/UndoRecord.h"
#include "theme/clsVelmora.h"
#include "ui/IsInternetExplorer.h"
#include "theme/WebAddress.h"

namespace velmora {

namespace {

constexpr char kNewLine[] = "\r\n";
constexpr char kBlankPage[] = "about:blank";

}  // namespace

FileActions::FileActions(const Platform& platform) : platform_(platform) {}

MsgAnswer FileActions::Ask(const std::string& question) {
    return platform_.dialogs->ShowMessage(
        {question, platform_.product->ProductName(), MsgButtons::YesNo, MsgIcon::Question, true});
}

void FileActions::ReportFailure(const std::string& path) {
    platform_.dialogs->ShowMessage(
        {std::string("Failed to load and apply the Internet Explorer Theme file:") + kNewLine +
             path,
         platform_.product->ProductName(), MsgButtons::Ok, MsgIcon::Critical, true});
}

void FileActions::CloseBrowserWindows() {
    // The collection is taken once, before the first window closes: a live collection
    // shrinks with every window that goes, and walking it by position would pass over the
    // window that moved into the closed one's place.
    const auto windows = platform_.browsers->ShellWindows();
    for (const auto& window : windows) {
        if (!window || !IsInternetExplorer(*window)) continue;
        window->SetVisible(false);
        window->Quit();
        platform_.browsers->YieldToMessageLoop();
    }
}

int FileActions::ApplyThemeFile(const std::string& path) {
    clsVelmora theme(platform_);
    if (!theme.LoadVelmora(path)) {
        platform_.dialogs->SetBusyPointer(false);
        ReportFailure(path);
        return platform_.files->IsNormalFile(path) ? kExitUnreadable : kExitNoFile;
    }

    const std::string question = "Apply the Theme - " + theme.ThemeTitle() + kNewLine +
                                 "Author - " + theme.Author() + kNewLine + "Description - " +
                                 kNewLine + theme.Description();
    platform_.dialogs->SetBusyPointer(false);
    if (Ask(question) != MsgAnswer::Yes) return kExitDeclined;

    // Taken before the apply, which reloads the record from the file.
    std::string startPage = theme.HomePage();
    if (startPage.empty()) startPage = kBlankPage;

    RecordUndo(platform_, "Apply " + theme.ThemeTitle());
    if (!theme.ApplyTheme(path)) {
        ReportFailure(path);
        return platform_.files->IsNormalFile(path) ? kExitUnreadable : kExitNoFile;
    }
    if (Ask(std::string("Theme sucessfully loaded onto your computer.") + kNewLine +
            "Start Internet Explorer?") != MsgAnswer::Yes) {
        return kExitOk;
    }
    // The theme's page only when it is a web address: a theme could name a program there.
    if (startPage != kBlankPage && !IsWebAddress(startPage)) {
        platform_.dialogs->ShowMessage({RefusedAddressMessage(startPage),
                                        platform_.product->ProductName(), MsgButtons::Ok,
                                        MsgIcon::Exclamation, true});
        startPage = kBlankPage;
    }
    platform_.shell->OpenDocument(startPage);
    return kExitOk;
}

int FileActions::ApplyQuietly(const std::string& path) {
    clsVelmora theme(platform_);
    if (!platform_.files->IsNormalFile(path)) return kExitNoFile;
    if (!theme.LoadVelmora(path)) return kExitUnreadable;
    RecordUndo(platform_, "Apply " + theme.ThemeTitle());
    return theme.ApplyTheme(path) ? kExitOk : kExitUnreadable;
}

void FileActions::SetToolbarSkin(const std::string& path) {
    if (!platform_.files->IsNormalFile(path)) return;
    if (Ask("Make this image your Toolbar skin?") != MsgAnswer::Yes) return;

    // The browser is pointed at the picture where it lies; it is not examined or copied.
    RecordUndo(platform_, "Select Toolbar Skin");
    SetToolbarBackground(platform_, path);

    if (Ask(std::string("Image sucessfully set as your toolbar skin.") + kNewLine +
            "Start Internet Explorer?") == MsgAnswer::Yes) {
        platform_.shell->OpenDocument(kBlankPage);
    }
}

}  // namespace velmora
