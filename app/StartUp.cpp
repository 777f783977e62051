// The program's start: the single-instance rule, then a one-shot file action or the main
// window, chosen by the command line.
#include "app/StartUp.h"

#include <utility>

#include "app/CommandLine.h"
#include "app/FileActions.h"
#include "platform/FileSystem.h"

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

StartUp::StartUp(const Platform& platform, std::function<void()> showMainWindow)
    : platform_(platform), showMainWindow_(std::move(showMainWindow)) {}

void StartUp::Run(bool anotherInstanceRunning, const std::string& commandLine) {
    // The first instance is neither told nor brought forward.
    if (anotherInstanceRunning) return;

    const CommandLine command(commandLine);
    if (command.Action() == StartAction::MainWindow) {
        if (showMainWindow_) showMainWindow_();
        return;
    }
    // A relative path (a theme typed in its own folder) is made full: the file test would
    // find it in the current folder, but the profile reading looks in the Windows folder.
    // A full path is used exactly as given.
    const std::string path =
        IsFullPath(command.Path()) ? command.Path() : platform_.files->FullPath(command.Path());
    FileActions actions(platform_);
    actions.CloseBrowserWindows();
    if (command.Action() == StartAction::ApplyThemeFile) {
        actions.ApplyThemeFile(path);
    } else {
        actions.SetToolbarSkin(path);
    }
}

}  // namespace velmora
