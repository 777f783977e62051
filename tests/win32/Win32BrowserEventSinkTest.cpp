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

HRESULT Fire(IDispatch* sink, DISPID id, VARIANT* args, UINT count) {
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

TEST_F(Win32BrowserEventSinkTest, AnswersAsTheBrowsersEventInterface) {
    IDispatch* events = nullptr;
    ASSERT_EQ(sink->QueryInterface(__uuidof(DWebBrowserEvents2), reinterpret_cast<void**>(&events)),
              S_OK);
    events->Release();
    IUnknown* other = nullptr;
    EXPECT_EQ(sink->QueryInterface(__uuidof(IWebBrowser2), reinterpret_cast<void**>(&other)),
              E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
}

// A VT_BSTR argument holding text.
VARIANT Text(const wchar_t* text) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(text);
    return value;
}

TEST_F(Win32BrowserEventSinkTest, ForwardsQuitAndTopConvertingTheArgumentAndIgnoresTheRest) {
    EXPECT_EQ(Fire(sink, DISPID_ONQUIT, nullptr, 0), S_OK);
    VARIANT top;
    VariantInit(&top);
    top.vt = VT_I4;
    top.lVal = 123;
    Fire(sink, DISPID_WINDOWSETTOP, &top, 1);
    for (const wchar_t* text : {L"45", L"not a number"}) {
        VARIANT argument = Text(text);
        Fire(sink, DISPID_WINDOWSETTOP, &argument, 1);
        VariantClear(&argument);
    }
    Fire(sink, DISPID_NAVIGATECOMPLETE2, nullptr, 0);
    Fire(sink, DISPID_WINDOWSETTOP, nullptr, 0);
    EXPECT_EQ(log.events, (std::vector<std::string>{"quit", "top 123", "top 45"}));
}

TEST_F(Win32BrowserEventSinkTest, AFailingReceiverDoesNotEscapeAndADetachedOneHearsNothing) {
    log.throwOnQuit = true;
    EXPECT_EQ(Fire(sink, DISPID_ONQUIT, nullptr, 0), S_OK);
    sink->Detach();
    EXPECT_EQ(Fire(sink, DISPID_ONQUIT, nullptr, 0), S_OK);
    EXPECT_EQ(log.events, std::vector<std::string>{"quit"});
}

}  // namespace
}  // namespace velmora::win32
