// Tells the browser's own windows apart from the shell's folder windows.
#pragma once

#include <string>

#include "platform/Browsers.h"

namespace velmora {

// True when the program path matches "*iexplore.exe" without regard to case.
bool IsInternetExplorerProgram(const std::string& fullName);

// True when the shell window belongs to the browser (its FullName is such a path).
bool IsInternetExplorer(BrowserWindow& window);

}  // namespace velmora
