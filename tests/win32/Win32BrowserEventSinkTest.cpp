// The browser event sink: it answers as the browser's event interface, forwards the quit and
// window-top events (the top converted from text), ignores the rest, and lets nothing escape
// into the browser.
#include <gtest/gtest.h>

#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>

#include <stdexcept>
#include <string>

#include "platform/win32/ComPtr.h"
#include "platform/win32/Variant.h"
#include "platform/win32/Win32BrowserEventSink.h"

namespace velmora::win32 {
namespace {

struct EventLog : BrowserEvents {
    void OnQuit() override {
        events += "quit ";
        throw std::runtime_error("receiver failed");
    }
    void WindowSetTop(long top) override { events += "top " + std::to_string(top) + " "; }
    std::string events;
};

TEST(Win32BrowserEventSink, ForwardsQuitAndTopIgnoresTheRestAndLetsNothingEscape) {
    EventLog log;
    ComPtr<IDispatch> sink;
    *sink.Put() = new Win32BrowserEventSink(&log);
    ComPtr<IUnknown> events;
    EXPECT_EQ(sink->QueryInterface(__uuidof(DWebBrowserEvents2), events.PutVoid()), S_OK);
    Variant top;
    top.SetBstr(SysAllocString(L"45"));
    const auto fire = [&](DISPID id, UINT count) {
        DISPPARAMS params{top.Get(), nullptr, count, 0};
        return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                            nullptr, nullptr);
    };
    EXPECT_EQ(fire(DISPID_ONQUIT, 0), S_OK);  // the receiver's exception stops here
    fire(DISPID_WINDOWSETTOP, 1);
    fire(DISPID_NAVIGATECOMPLETE2, 0);
    static_cast<Win32BrowserEventSink*>(sink.Get())->Detach();
    fire(DISPID_ONQUIT, 0);
    EXPECT_EQ(log.events, "quit top 45 ");
}

}  // namespace
}  // namespace velmora::win32
