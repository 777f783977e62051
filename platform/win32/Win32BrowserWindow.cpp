// A shell window reached through its IWebBrowser2 automation object.
#include "platform/win32/Win32BrowserWindow.h"

#include <utility>

#include "platform/win32/ComText.h"
#include "platform/win32/Variant.h"
#include "platform/win32/Win32BrowserEventSink.h"

namespace velmora::win32 {

namespace {

// Reads a BSTR property; empty when the call fails.
template <typename Getter>
std::string ReadText(IWebBrowser2* browser, Getter getter) {
    BSTR text = nullptr;
    std::string result;
    if (SUCCEEDED((browser->*getter)(&text))) result = AnsiFromBstr(text);
    SysFreeString(text);
    return result;
}

template <typename Getter>
long ReadLong(IWebBrowser2* browser, Getter getter) {
    LONG value = 0;
    return SUCCEEDED((browser->*getter)(&value)) ? static_cast<long>(value) : 0;
}

VARIANT_BOOL ToVariantBool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

}  // namespace

Win32BrowserWindow::Win32BrowserWindow(ComPtr<IWebBrowser2> browser)
    : browser_(std::move(browser)) {}

Win32BrowserWindow::~Win32BrowserWindow() {
    Disconnect();
}

std::string Win32BrowserWindow::FullName() {
    return ReadText(browser_.Get(), &IWebBrowser2::get_FullName);
}

WindowHandle Win32BrowserWindow::Hwnd() {
    SHANDLE_PTR handle = 0;
    return SUCCEEDED(browser_->get_HWND(&handle)) ? static_cast<WindowHandle>(handle) : 0;
}

bool Win32BrowserWindow::Visible() {
    VARIANT_BOOL visible = VARIANT_FALSE;
    return SUCCEEDED(browser_->get_Visible(&visible)) && visible != VARIANT_FALSE;
}

void Win32BrowserWindow::SetVisible(bool visible) {
    browser_->put_Visible(ToVariantBool(visible));
}

void Win32BrowserWindow::Quit() {
    browser_->Quit();
}

void Win32BrowserWindow::Navigate(const std::string& url) {
    Bstr address(url);
    Variant flags, frame, postData, headers;
    browser_->Navigate(address.Get(), flags.Get(), frame.Get(), postData.Get(), headers.Get());
}

void Win32BrowserWindow::Navigate2(const std::string& url, std::optional<long> flags) {
    Variant address, flagValue, frame, postData, headers;
    address.SetBstr(BstrFromAnsi(url));
    if (flags) flagValue.SetLong(*flags);
    browser_->Navigate2(address.Get(), flagValue.Get(), frame.Get(), postData.Get(), headers.Get());
}

std::string Win32BrowserWindow::LocationURL() {
    return ReadText(browser_.Get(), &IWebBrowser2::get_LocationURL);
}

long Win32BrowserWindow::Left() {
    return ReadLong(browser_.Get(), &IWebBrowser2::get_Left);
}
long Win32BrowserWindow::Top() {
    return ReadLong(browser_.Get(), &IWebBrowser2::get_Top);
}
long Win32BrowserWindow::Width() {
    return ReadLong(browser_.Get(), &IWebBrowser2::get_Width);
}
long Win32BrowserWindow::Height() {
    return ReadLong(browser_.Get(), &IWebBrowser2::get_Height);
}
void Win32BrowserWindow::SetLeft(long left) {
    browser_->put_Left(left);
}
void Win32BrowserWindow::SetTop(long top) {
    browser_->put_Top(top);
}
void Win32BrowserWindow::SetWidth(long width) {
    browser_->put_Width(width);
}
void Win32BrowserWindow::SetHeight(long height) {
    browser_->put_Height(height);
}

void Win32BrowserWindow::SetToolBar(bool shown) {
    browser_->put_ToolBar(shown ? 1 : 0);
}
void Win32BrowserWindow::SetMenuBar(bool shown) {
    browser_->put_MenuBar(ToVariantBool(shown));
}
void Win32BrowserWindow::SetStatusBar(bool shown) {
    browser_->put_StatusBar(ToVariantBool(shown));
}

void Win32BrowserWindow::ShowBrowserBar(const std::string& classId, bool show) {
    Variant bar, showValue, size;
    bar.SetBstr(BstrFromAnsi(classId));
    showValue.SetBool(show);
    browser_->ShowBrowserBar(bar.Get(), showValue.Get(), size.Get());
}

void Win32BrowserWindow::Connect(BrowserEvents* sink) {
    Disconnect();
    if (!sink) return;
    auto container = browser_.As<IConnectionPointContainer>();
    if (!container) return;
    ComPtr<IConnectionPoint> point;
    if (FAILED(container->FindConnectionPoint(__uuidof(DWebBrowserEvents2), point.Put())) || !point)
        return;
    auto* eventSink = new Win32BrowserEventSink(sink);
    DWORD cookie = 0;
    if (FAILED(point->Advise(eventSink, &cookie))) {
        eventSink->Detach();
        eventSink->Release();
        return;
    }
    connectionPoint_ = std::move(point);
    sink_ = eventSink;
    cookie_ = cookie;
}

void Win32BrowserWindow::Disconnect() {
    if (!sink_) return;
    // The browser may deliver one more event while it lets go of the sink: detach first.
    sink_->Detach();
    connectionPoint_->Unadvise(cookie_);
    connectionPoint_.Reset();
    std::exchange(sink_, nullptr)->Release();
    cookie_ = 0;
}

}  // namespace velmora::win32
