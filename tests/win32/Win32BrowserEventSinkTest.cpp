// The browser event sink forwards the quit and window-top events, converts the top
// argument, ignores everything else, and lets nothing escape into the browser.
#include <gtest/gtest.h>

#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Win32BrowserEventSink.h"

namespace velmora::win32 {
namespace {

class EventLog : public BrowserEvents {
public:
    void OnQuit() override {
        events.push_back("quit");
        if (throwOnQuit) throw std::runtime_error("receiver failed");
    }
    void WindowSetTop(long top) override { events.push_back("top " + std::to_string(top)); }
    std::vector<std::string> events;
    bool throwOnQuit = false;
};

HRESULT Fire(IDispatch* sink, DISPID id, VARIANT* args = nullptr, UINT count = 0) {
    DISPPARAMS params{args, nullptr, count, 0};
    return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                        nullptr, nullptr);
}

class Win32BrowserEventSinkTest : public ::testing::Test {
protected:
    void TearDown() override { sink->Release(); }
    EventLog log;
    Win32BrowserEventSink* sink = new Win32BrowserEventSink(&log);
};

TEST_F(Win32BrowserEventSinkTest, AnswersAsTheBrowsersEventInterfaceOnly) {
    IUnknown* asked = nullptr;
    ASSERT_EQ(sink->QueryInterface(__uuidof(DWebBrowserEvents2), reinterpret_cast<void**>(&asked)),
              S_OK);
    asked->Release();
    EXPECT_EQ(sink->QueryInterface(__uuidof(IWebBrowser2), reinterpret_cast<void**>(&asked)),
              E_NOINTERFACE);
}

TEST_F(Win32BrowserEventSinkTest, ForwardsQuitAndTopConvertingTheArgumentAndIgnoresTheRest) {
    EXPECT_EQ(Fire(sink, DISPID_ONQUIT), S_OK);
    VARIANT tops[3];  // 123 as a number, "45" and "not a number" as texts
    for (VARIANT& top : tops) VariantInit(&top);
    tops[0].vt = VT_I4;
    tops[0].lVal = 123;
    tops[1].vt = tops[2].vt = VT_BSTR;
    tops[1].bstrVal = SysAllocString(L"45");
    tops[2].bstrVal = SysAllocString(L"not a number");
    for (VARIANT& top : tops) {
        Fire(sink, DISPID_WINDOWSETTOP, &top, 1);
        VariantClear(&top);
    }
    Fire(sink, DISPID_NAVIGATECOMPLETE2);
    Fire(sink, DISPID_WINDOWSETTOP);  // no argument
    EXPECT_EQ(log.events, (std::vector<std::string>{"quit", "top 123", "top 45"}));
}

TEST_F(Win32BrowserEventSinkTest, AFailingReceiverDoesNotEscapeAndADetachedOneHearsNothing) {
    log.throwOnQuit = true;
    EXPECT_EQ(Fire(sink, DISPID_ONQUIT), S_OK);
    sink->Detach();
    EXPECT_EQ(Fire(sink, DISPID_ONQUIT), S_OK);
    EXPECT_EQ(log.events, std::vector<std::string>{"quit"});
}

}  // namespace
}  // namespace velmora::win32
