// The platform's previous-instance test: a named mutex held while the program runs.
#include "platform/win32/Win32SingleInstance.h"

namespace velmora::win32 {

Win32SingleInstance::Win32SingleInstance(const char* name)
    : mutex_(CreateMutexA(nullptr, FALSE, name)), anotherRunning_(false) {
    const DWORD error = GetLastError();
    // A mutex of that name made by a process of another security context cannot be opened
    // at all; it still means the program is running.
    anotherRunning_ = mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
}

Win32SingleInstance::~Win32SingleInstance() {
    if (mutex_) CloseHandle(mutex_);
}

}  // namespace velmora::win32
