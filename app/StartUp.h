// The program's start: the single-instance rule, then a one-shot file action or the main
// window, chosen by the command line.
#pragma once

#include <functional>
#include <string>

#include "platform/Platform.h"

namespace velmora {

class StartUp {
public:
    // showMainWindow loads the main window and returns when it has closed. writeOutput
    // takes the lines a switch command reports to its caller (a script, a console).
    StartUp(const Platform& platform, std::function<void()> showMainWindow,
            std::function<void(const std::string&)> writeOutput = nullptr);

    // anotherInstanceRunning: the platform found this program already running; this start
    // then does nothing at all, whatever the command line names. commandLine: the whole
    // argument text after the program's name. Gives the program's exit code (ExitCode).
    int Run(bool anotherInstanceRunning, const std::string& commandLine);

private:
    int RunSwitches(bool anotherInstanceRunning, const class Switches& switches);
    void Output(const std::string& text) const;
    std::string FullPathOf(const std::string& path) const;

    const Platform& platform_;
    std::function<void()> showMainWindow_;
    std::function<void(const std::string&)> writeOutput_;
};

}  // namespace velmora
