// The program's start: the single-instance rule, then a one-shot file action or the main
// window, chosen by the command line.
#include "app/StartUp.h"

#include <utility>

#include "app/CommandLine.h"
#include "app/FileActions.h"
#include "app/Switches.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/ProductInfo.h"
#include "theme/CheckVelmora.h"

namespace velmora {

namespace {

bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

// "C:\x", "C:/x" and "\\server\share\x" are full; anything else depends on the current
// folder or drive.
bool IsFullPath(const std::string& path) {
    if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) return true;
    return path.size() >= 3 && path[1] == ':' && IsSlash(path[2]);
}

}  // namespace

StartUp::StartUp(const Platform& platform, std::function<void()> showMainWindow,
                 std::function<void(const std::string&)> writeOutput)
    : platform_(platform),
      showMainWindow_(std::move(showMainWindow)),
      writeOutput_(std::move(writeOutput)) {}

void StartUp::Output(const std::string& text) const {
    if (writeOutput_) writeOutput_(text + "\r\n");
}

// A relative path (a theme typed in its own folder) is made full: the file test would find it
// in the current folder, but the profile reading looks in the Windows folder. A full path is
// used exactly as given.
std::string StartUp::FullPathOf(const std::string& path) const {
    return IsFullPath(path) ? path : platform_.files->FullPath(path);
}

int StartUp::Run(bool anotherInstanceRunning, const std::string& commandLine) {
    const Switches switches(commandLine);
    if (switches.Action() != SwitchAction::None)
        return RunSwitches(anotherInstanceRunning, switches);
    // The first instance is neither told nor brought forward.
    if (anotherInstanceRunning) return kExitOk;

    const CommandLine command(commandLine);
    if (command.Action() == StartAction::MainWindow) {
        if (showMainWindow_) showMainWindow_();
        return kExitOk;
    }
    const std::string path = FullPathOf(command.Path());
    FileActions actions(platform_);
    actions.CloseBrowserWindows();
    if (command.Action() == StartAction::ApplyThemeFile) {
        actions.ApplyThemeFile(path);
    } else {
        actions.SetToolbarSkin(path);
    }
    return kExitOk;
}

int StartUp::RunSwitches(bool anotherInstanceRunning, const Switches& switches) {
    if (switches.Action() == SwitchAction::Invalid) {
        // A quiet caller is a script that no box may stop.
        if (switches.Quiet()) {
            Output(switches.Problem());
        } else {
            platform_.dialogs->ShowMessage({switches.Problem(), platform_.product->ProductName(),
                                            MsgButtons::Ok, MsgIcon::Exclamation, true});
        }
        return kExitUsage;
    }
    const std::string path = FullPathOf(switches.Path());
    if (switches.Action() == SwitchAction::Check) {
        const std::vector<ThemeFinding> findings = CheckVelmora(platform_, path);
        for (const ThemeFinding& finding : findings) Output(FindingLine(finding));
        return WorstSeverityCode(findings);
    }
    // The running copy may be in the middle of an apply of its own.
    if (anotherInstanceRunning) {
        Output("Velmora is already running; nothing was applied.");
        return kExitAlreadyRunning;
    }
    FileActions actions(platform_);
    if (switches.Quiet()) {
        const int code = actions.ApplyQuietly(path);
        if (code == kExitNoFile) Output("No theme file at " + path);
        if (code == kExitUnreadable) Output("Not a theme file that can be read: " + path);
        return code;
    }
    actions.CloseBrowserWindows();
    return actions.ApplyThemeFile(path);
}

}  // namespace velmora
