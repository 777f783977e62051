// The program's error trap: a run-time error shown to the user and written to the event log.
#include "platform/ErrorTrap.h"

#include <exception>
#include <new>
#include <string>

#include "platform/Dialogs.h"
#include "platform/ProductInfo.h"
#include "platform/RuntimeErrors.h"
#include "platform/Shell.h"

namespace velmora {

ErrorTrap::ErrorTrap(const Platform& platform)
    : dialogs_(platform.dialogs), shell_(platform.shell), product_(platform.product) {}

void ErrorTrap::Report(const RuntimeError& error) const noexcept {
    // The report must never throw out of the operation it reports on; the box and the log
    // are tried separately so that a failing one does not cost the other.
    std::string text;
    try {
        text = "A program error has occurred...\r\nDetails:\r\nError No:\t" +
               std::to_string(error.Number()) + "\r\nDescription:\t" + error.Description();
    } catch (...) {
        return;
    }
    try {
        if (dialogs_) {
            MessageRequest request;
            request.text = text;
            request.title = product_ ? product_->ProductName() : std::string();
            request.buttons = MsgButtons::Ok;
            request.icon = MsgIcon::Critical;
            request.systemModal = true;
            dialogs_->ShowMessage(request);
        }
    } catch (...) {
    }
    try {
        if (shell_) shell_->LogApplicationEvent(text);
    } catch (...) {
    }
}

void ErrorTrap::Run(const std::function<void()>& body) const {
    try {
        body();
    } catch (const RuntimeError& error) {
        Report(error);
    } catch (const std::bad_alloc&) {
        Report(OutOfMemory());
    } catch (const std::exception& error) {
        Report(*error.what() ? InternalError(error.what()) : InternalError());
    } catch (...) {
        Report(InternalError());
    }
}

}  // namespace velmora
