// The program's error trap: a run-time error shown to the user and written to the event log.
#pragma once

#include <functional>

#include "platform/Platform.h"
#include "platform/RuntimeError.h"

namespace velmora {

// The registry class traps its operations with it, and so do the windows' handlers.
class ErrorTrap {
public:
    // Uses the dialogs, shell and product information ports of platform; any may be null.
    explicit ErrorTrap(const Platform& platform);

    // Shows "A program error has occurred...", "Details:", "Error No:" tab number and
    // "Description:" tab text (lines joined by CR LF) in a system-modal critical box titled
    // with the product name, and writes the same text to the application event log.
    void Report(const RuntimeError& error) const noexcept;

    // Runs body; whatever it throws ends it and is reported. Other exceptions than run-time
    // errors are reported as Out of memory (std::bad_alloc) or Internal error.
    void Run(const std::function<void()>& body) const;

private:
    Dialogs* dialogs_;
    Shell* shell_;
    ProductInfo* product_;
};

}  // namespace velmora
