// regsvr32 registers what hosts need to find and host the control and removes it all; the
// library's class factory and unloading.
#include <gtest/gtest.h>

#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

std::string Guid(const GUID& guid) {
    wchar_t wide[40] = {};
    StringFromGUID2(guid, wide, 40);
    return std::string(wide, wide + wcslen(wide));
}

// A value under HKEY_CLASSES_ROOT; "<missing>" when the key or the value is not there.
std::string ClassesValue(const std::string& path, const char* name = nullptr) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<missing>";
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    const LONG status =
        RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? data : "<missing>";
}

}  // namespace

TEST(FlintorRegistration, WritesWhatHostsNeedAndUnregisteringRemovesItAll) {
    const std::string clsid = "CLSID\\" + Guid(CLSID_Flintor);
    const std::string ocx = ClipControlPath();
    const std::pair<std::string, std::string> keys[] = {
        {clsid, "Flintor"},
        {clsid + "\\ProgID", "AFlintor.Flintor"},
        {clsid + "\\Control", ""},
        {clsid + "\\TypeLib", Guid(LIBID_AFlintor)},
        {clsid + "\\ToolboxBitmap32", ocx + ", 2"},
        {clsid + "\\MiscStatus", "0"},
        {clsid + "\\MiscStatus\\1", "131473"},
        {clsid + "\\Version", "1.0"},
    };
    ASSERT_EQ(RunRegsvr32("/s"), 0u);
    for (const auto& [key, value] : keys)
        EXPECT_STRCASEEQ(ClassesValue(key).c_str(), value.c_str()) << key;  // paths: any case
    EXPECT_EQ(ClassesValue(clsid + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_NE(ClassesValue("TypeLib\\" + Guid(LIBID_AFlintor) + "\\1.0"), "<missing>");
    EXPECT_NE(ClassesValue("Interface\\" + Guid(IID__Flintor)), "<missing>");

    ASSERT_EQ(RunRegsvr32("/u /s"), 0u);
    for (const std::string& key :
         {clsid, std::string("AFlintor.Flintor"), "TypeLib\\" + Guid(LIBID_AFlintor)})
        EXPECT_EQ(ClassesValue(key), "<missing>") << key;
    EXPECT_EQ(RunRegsvr32("/u /s"), 0u);  // unregistering twice is no error either
    ASSERT_EQ(RunRegsvr32("/s"), 0u);     // the other tests create the control by ProgID
}

TEST(FlintorLibrary, ServesItsOneClassAndUnloadsWhenUnused) {
    HMODULE library = LoadLibraryA(ClipControlPath().c_str());
    ASSERT_NE(library, nullptr);
    auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    ASSERT_TRUE(getClassObject && canUnload);
    {
        OleApartment ole;
        ComPtr<IClassFactory> factory;
        ASSERT_EQ(getClassObject(CLSID_Flintor, IID_IClassFactory, factory.PutVoid()), S_OK);
        ComPtr<IUnknown> control;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, control.PutVoid()), S_OK);
        EXPECT_EQ(canUnload(), S_FALSE);
        EXPECT_EQ(getClassObject(IID_IUnknown, IID_IClassFactory, factory.PutVoid()),
                  CLASS_E_CLASSNOTAVAILABLE);
    }
    EXPECT_EQ(canUnload(), S_OK);
    FreeLibrary(library);
}

}  // namespace velmora::flintor::test
