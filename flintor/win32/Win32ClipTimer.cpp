// The frame timer on a hidden message-only window.
#include "flintor/win32/Win32ClipTimer.h"

#include "flintor/win32/ModuleState.h"

namespace velmora::flintor::win32 {

namespace {

constexpr char kClassName[] = "FlintorTimerWindow";
constexpr UINT_PTR kTimerId = 1;

ATOM RegisterTimerClass() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = ModuleState::Instance();
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass);
}

}  // namespace

Win32ClipTimer::Win32ClipTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {
    static const ATOM registered = RegisterTimerClass();
    (void)registered;
    window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              ModuleState::Instance(), nullptr);
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
    }
}

void Win32ClipTimer::UnregisterWindowClass() {
    UnregisterClassA(kClassName, ModuleState::Instance());
}

Win32ClipTimer::~Win32ClipTimer() {
    if (window_) {
        KillTimer(window_, kTimerId);
        DestroyWindow(window_);
    }
}

void Win32ClipTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Update();
}

void Win32ClipTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void Win32ClipTimer::Update() {
    if (!window_) return;
    // An interval of 0 or less never ticks; Windows would turn it into 10 ms.
    const bool run = enabled_ && interval_ > 0;
    if (run) {
        running_ = SetTimer(window_, kTimerId, static_cast<UINT>(interval_), nullptr) != 0;
    } else {
        if (running_) KillTimer(window_, kTimerId);
        running_ = false;
    }
}

LRESULT CALLBACK Win32ClipTimer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        auto* self = reinterpret_cast<Win32ClipTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && self->running_ && self->onTick_) self->onTick_();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace velmora::flintor::win32
