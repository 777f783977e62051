// The program's start: the single-instance rule, then a one-shot file action or the main
// window, chosen by the command line.
#pragma once

#include <functional>
#include <string>

#include "platform/Platform.h"

namespace velmora {

class StartUp {
public:
    // showMainWindow loads the main window and returns when it has closed.
    StartUp(const Platform& platform, std::function<void()> showMainWindow);

    // anotherInstanceRunning: the platform found this program already running; this start
    // then does nothing at all, whatever the command line names. commandLine: the whole
    // argument text after the program's name.
    void Run(bool anotherInstanceRunning, const std::string& commandLine);

private:
    const Platform& platform_;
    std::function<void()> showMainWindow_;
};

}  // namespace velmora
