// A shell window reached through its IWebBrowser2 automation object.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>

#include "platform/Browsers.h"
#include "platform/win32/ComPtr.h"

namespace velmora::win32 {

class Win32BrowserEventSink;

// Thin: each member is one automation call; a failed call reads as empty, 0 or false.
class Win32BrowserWindow : public BrowserWindow {
public:
    explicit Win32BrowserWindow(ComPtr<IWebBrowser2> browser);
    ~Win32BrowserWindow() override;
    Win32BrowserWindow(const Win32BrowserWindow&) = delete;
    Win32BrowserWindow& operator=(const Win32BrowserWindow&) = delete;

    std::string FullName() override;
    WindowHandle Hwnd() override;
    bool Visible() override;
    void SetVisible(bool visible) override;
    void Quit() override;
    void Navigate(const std::string& url) override;
    void Navigate2(const std::string& url, std::optional<long> flags) override;
    std::string LocationURL() override;
    long Left() override;
    long Top() override;
    long Width() override;
    long Height() override;
    void SetLeft(long left) override;
    void SetTop(long top) override;
    void SetWidth(long width) override;
    void SetHeight(long height) override;
    void SetToolBar(bool shown) override;
    void SetMenuBar(bool shown) override;
    void SetStatusBar(bool shown) override;
    void ShowBrowserBar(const std::string& classId, bool show) override;
    void Connect(BrowserEvents* sink) override;

private:
    void Disconnect();

    ComPtr<IWebBrowser2> browser_;
    ComPtr<IConnectionPoint> connectionPoint_;
    Win32BrowserEventSink* sink_ = nullptr;  // one reference held while connected
    DWORD cookie_ = 0;
};

}  // namespace velmora::win32
