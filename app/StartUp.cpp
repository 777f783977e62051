// The program's start: the single-instance rule, then a one-shot file action or the main
// window, chosen by the command line.
#include "app/StartUp.h"

#include <utility>

#include "app/CommandLine.h"
#include "app/FileActions.h"

namespace velmora {

StartUp::StartUp(const Platform& platform, std::function<void()> showMainWindow)
    : platform_(platform), showMainWindow_(std::move(showMainWindow)) {}

void StartUp::Run(bool anotherInstanceRunning, const std::string& commandLine) {
    // The first instance is neither told nor brought forward.
    if (anotherInstanceRunning) return;

    const CommandLine command(commandLine);
    FileActions actions(platform_);
    switch (command.Action()) {
        case StartAction::ApplyThemeFile:
            actions.CloseBrowserWindows();
            actions.ApplyThemeFile(command.Path());
            return;
        case StartAction::SetToolbarSkin:
            actions.CloseBrowserWindows();
            actions.SetToolbarSkin(command.Path());
            return;
        case StartAction::MainWindow: break;
    }
    if (showMainWindow_) showMainWindow_();
}

}  // namespace velmora
