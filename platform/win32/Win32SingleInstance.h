// The platform's previous-instance test: a named mutex held while the program runs.
#pragma once

#include <windows.h>

namespace velmora::win32 {

class Win32SingleInstance {
public:
    // Claims the name; another process holding it means another instance is running.
    explicit Win32SingleInstance(const char* name);
    ~Win32SingleInstance();
    Win32SingleInstance(const Win32SingleInstance&) = delete;
    Win32SingleInstance& operator=(const Win32SingleInstance&) = delete;

    bool AnotherInstanceRunning() const { return anotherRunning_; }

private:
    HANDLE mutex_;
    bool anotherRunning_;
};

}  // namespace velmora::win32
