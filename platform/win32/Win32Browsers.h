// The shell's window collection (ShellWindows) and new browser windows
// (InternetExplorer.Application) through COM, and the message pump for yielding.
#pragma once

#include "platform/Browsers.h"
#include "platform/win32/ComApartment.h"

namespace velmora::win32 {

// Where the shell's collection is missing or unimplemented (as under Wine, where its
// members answer E_NOTIMPL) the collection is simply empty: nothing is reported.
class Win32Browsers : public Browsers {
public:
    std::vector<std::shared_ptr<BrowserWindow>> ShellWindows() override;
    std::shared_ptr<BrowserWindow> CreateBrowser() override;
    void YieldToMessageLoop() override;

private:
    ComApartment apartment_;
};

}  // namespace velmora::win32
