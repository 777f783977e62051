// The one-shot actions for a file opened with the program: close the browser windows,
// apply a theme file, make a bitmap the toolbar background.
#pragma once

#include <string>

#include "platform/Dialogs.h"
#include "platform/Platform.h"

namespace velmora {

// Their only user interface is system-modal message boxes titled with the product name.
class FileActions {
public:
    // Uses the browsers, dialogs, shell, product, files and registry ports (and what the
    // theme record needs).
    explicit FileActions(const Platform& platform);

    // Closes every browser window the shell knows of; folder windows stay. Reports nothing.
    void CloseBrowserWindows();
    // Asks, applies every area of the theme file at path, and offers to start the browser
    // at the theme's home page. A file that cannot be loaded or applied is reported. Gives
    // the exit code for how it ended (ExitCode).
    int ApplyThemeFile(const std::string& path);
    // Applies every area of the theme file at path with no box and no browser closed or
    // opened: for scripts. Gives the exit code for how it ended.
    int ApplyQuietly(const std::string& path);
    // Asks, points both toolbar background values at the bitmap at path, and offers to
    // start the browser. A missing file ends the action silently.
    void SetToolbarSkin(const std::string& path);

private:
    MsgAnswer Ask(const std::string& question);
    void ReportFailure(const std::string& path);

    const Platform& platform_;
};

}  // namespace velmora
