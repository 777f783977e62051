// The frame timer: a window timer on a hidden message-only window of the container's thread,
// so the control ticks whether or not it has a window of its own yet.
#pragma once

#include <windows.h>

#include <functional>

#include "flintor/ClipTimer.h"

namespace velmora::flintor::win32 {

class Win32ClipTimer : public ClipTimer {
public:
    explicit Win32ClipTimer(std::function<void()> onTick);
    ~Win32ClipTimer() override;
    Win32ClipTimer(const Win32ClipTimer&) = delete;
    Win32ClipTimer& operator=(const Win32ClipTimer&) = delete;

    void SetInterval(int milliseconds) override;
    void SetEnabled(bool enabled) override;

    bool Running() const { return running_; }

    // When the library is unloaded: a class left behind would outlive the module it names.
    static void UnregisterWindowClass();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Update();

    std::function<void()> onTick_;
    HWND window_ = nullptr;
    int interval_ = 100;
    bool enabled_ = false;
    bool running_ = false;
};

}  // namespace velmora::flintor::win32
