// regsvr32 registers what hosts need to find and host the control, and removes it all; the
// library carries its type library, toolbox bitmap and built-in strip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

std::string Guid(const GUID& guid) {
    wchar_t wide[40] = {};
    StringFromGUID2(guid, wide, 40);
    return std::string(wide, wide + wcslen(wide));
}

// The default (nullptr) or named value of a key under HKEY_CLASSES_ROOT; "<missing>" when
// the key or value is not there.
std::string ClassesValue(const std::string& path, const char* name = nullptr) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<missing>";
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    const LONG status =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(data) : "<missing>";
}

bool ClassesKeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), ::tolower);
    return text;
}

const std::string kClsidKey = "CLSID\\" + Guid(CLSID_Flintor);

}  // namespace

TEST(FlintorRegistration, WritesWhatHostsNeedForAControl) {
    ASSERT_EQ(RunRegsvr32("/s"), 0u);
    EXPECT_EQ(ClassesValue(kClsidKey), "Flintor");
    EXPECT_EQ(Lower(ClassesValue(kClsidKey + "\\InprocServer32")), Lower(OcxPath()));
    EXPECT_EQ(ClassesValue(kClsidKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(ClassesValue(kClsidKey + "\\ProgID"), "AFlintor.Flintor");
    EXPECT_TRUE(ClassesKeyExists(kClsidKey + "\\Control"));
    EXPECT_EQ(ClassesValue(kClsidKey + "\\TypeLib"), Guid(LIBID_AFlintor));
    EXPECT_EQ(Lower(ClassesValue(kClsidKey + "\\ToolboxBitmap32")), Lower(OcxPath() + ", 2"));
    EXPECT_EQ(ClassesValue(kClsidKey + "\\MiscStatus"), "0");
    EXPECT_EQ(ClassesValue(kClsidKey + "\\MiscStatus\\1"), "131473");
    EXPECT_EQ(ClassesValue(kClsidKey + "\\Version"), "1.0");
    EXPECT_EQ(ClassesValue("AFlintor.Flintor\\CLSID"), Guid(CLSID_Flintor));
    EXPECT_TRUE(ClassesKeyExists("TypeLib\\" + Guid(LIBID_AFlintor) + "\\1.0"));
    EXPECT_TRUE(ClassesKeyExists("Interface\\" + Guid(IID__Flintor)));

    CLSID clsid = {};
    ASSERT_EQ(CLSIDFromProgID(L"AFlintor.Flintor", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_Flintor));
}

TEST(FlintorRegistration, UnregisteringRemovesItAllAndRegisteringAgainRestoresIt) {
    ASSERT_EQ(RunRegsvr32("/u /s"), 0u);
    EXPECT_FALSE(ClassesKeyExists(kClsidKey));
    EXPECT_FALSE(ClassesKeyExists("AFlintor.Flintor"));
    EXPECT_FALSE(ClassesKeyExists("TypeLib\\" + Guid(LIBID_AFlintor)));
    {
        OleApartment ole;
        CLSID clsid = {};
        EXPECT_NE(CLSIDFromProgID(L"AFlintor.Flintor", &clsid), S_OK);
    }
    // Unregistering twice is no error either.
    EXPECT_EQ(RunRegsvr32("/u /s"), 0u);
    ASSERT_EQ(RunRegsvr32("/s"), 0u);
    EXPECT_EQ(ClassesValue("AFlintor.Flintor\\CLSID"), Guid(CLSID_Flintor));
}

TEST(FlintorLibrary, ExportsTheFourServerEntriesAndUnloadsWhenUnused) {
    HMODULE library = LoadLibraryA(OcxPath().c_str());
    ASSERT_NE(library, nullptr);
    for (const char* name :
         {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"})
        EXPECT_NE(GetProcAddress(library, name), nullptr) << name;
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    auto canUnload = ExportOf<CanUnload>(library, "DllCanUnloadNow");
    ASSERT_NE(canUnload, nullptr);
    {
        OleApartment ole;
        using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        auto getClassObject = ExportOf<GetClassObject>(library, "DllGetClassObject");
        ComPtr<IClassFactory> factory;
        ASSERT_EQ(getClassObject(CLSID_Flintor, IID_IClassFactory, factory.PutVoid()), S_OK);
        ComPtr<IUnknown> control;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, control.PutVoid()), S_OK);
        EXPECT_EQ(canUnload(), S_FALSE);
        ComPtr<IUnknown> aggregated;
        EXPECT_EQ(factory->CreateInstance(control.Get(), IID_IUnknown, aggregated.PutVoid()),
                  CLASS_E_NOAGGREGATION);
        EXPECT_EQ(getClassObject(IID_IUnknown, IID_IClassFactory, factory.PutVoid()),
                  CLASS_E_CLASSNOTAVAILABLE);
    }
    EXPECT_EQ(canUnload(), S_OK);
    FreeLibrary(library);
}

TEST(FlintorLibrary, CarriesTheBuiltInStripAndTheToolboxBitmap) {
    HMODULE library = LoadLibraryExA(OcxPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(library, nullptr);
    auto strip = static_cast<HBITMAP>(
        LoadImageA(library, MAKEINTRESOURCEA(101), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(strip, nullptr);
    DIBSECTION section = {};
    ASSERT_NE(GetObjectA(strip, sizeof section, &section), 0);
    EXPECT_EQ(section.dsBm.bmWidth, 38);
    EXPECT_EQ(section.dsBm.bmHeight, 1558);
    EXPECT_EQ(section.dsBmih.biBitCount, 8);  // 256 colours
    DeleteObject(strip);
    auto toolbox = static_cast<HBITMAP>(
        LoadImageA(library, MAKEINTRESOURCEA(2), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(toolbox, nullptr);
    BITMAP info = {};
    GetObjectA(toolbox, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 15);
    DeleteObject(toolbox);
    FreeLibrary(library);
}

// The members, their dispatch ids and help strings, the events in order and the
// enumerations, as a designer or a late-binding caller reads them from the type library.
TEST(FlintorTypeLibrary, PublishesTheMembersEventsAndEnumerations) {
    const std::string narrow = OcxPath();
    const std::wstring path(narrow.begin(), narrow.end());
    ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Put()), S_OK);

    ComPtr<ITypeInfo> members;
    ASSERT_EQ(library->GetTypeInfoOfGuid(IID__Flintor, members.Put()), S_OK);
    struct Member {
        const wchar_t* name;
        DISPID id;
        const wchar_t* help;
    };
    const Member expected[] = {
        {L"AniPicture", 0, L"The Image Sprite for the Animation (*.BMP; *.JPG; *.GIF)"},
        {L"DesignLock", 0x68030008,
         L"If false playes the currently loaded Animation during design time."},
        {L"CurrentFrame", 0x68030007,
         L"Returns the current frame of the Animation as a StdPicture"},
        {L"BorderStyle", 0x68030006, nullptr},
        {L"Play", 0x60030010, L"Plays the currently loaded Animation during Run-Time."},
        {L"Pause", 0x60030011, L"Pauses the Animation during Run-Time."},
        {L"ShowAbout", -552, L"Dislays the About Box for this product."},
        {L"MouseIcon", 0x68030005, nullptr},
        {L"MousePointer", 0x68030004, nullptr},
        {L"Interval", 0x68030003, nullptr},
        {L"BackStyle", 0x68030002, nullptr},
        {L"MaskColor", 0x68030001, nullptr},
        {L"OLEDropMode", 0x68030000, nullptr},
        {L"OLEDrag", 0x60030012, nullptr},
    };
    for (const Member& member : expected) {
        LPOLESTR name = const_cast<LPOLESTR>(member.name);
        MEMBERID id = 0;
        ASSERT_EQ(members->GetIDsOfNames(&name, 1, &id), S_OK) << member.name;
        EXPECT_EQ(id, member.id) << member.name;
        if (member.help) {
            BSTR help = nullptr;
            ASSERT_EQ(members->GetDocumentation(id, nullptr, &help, nullptr, nullptr), S_OK);
            EXPECT_STREQ(help, member.help) << member.name;
            SysFreeString(help);
        }
    }

    ComPtr<ITypeInfo> events;
    ASSERT_EQ(library->GetTypeInfoOfGuid(DIID___Flintor, events.Put()), S_OK);
    const wchar_t* order[] = {L"OLEStartDrag", L"OLESetData",  L"OLEGiveFeedback",
                              L"OLEDragOver",  L"OLEDragDrop", L"OLECompleteDrag",
                              L"FrameChange",  L"Click"};
    for (UINT i = 0; i < 8; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(events->GetFuncDesc(i, &function), S_OK);
        BSTR name = nullptr;
        events->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr);
        EXPECT_STREQ(name, order[i]);
        EXPECT_EQ(function->memid, static_cast<MEMBERID>(i + 1));
        SysFreeString(name);
        events->ReleaseFuncDesc(function);
    }

    // "Fixed Single", with its space, as a property browser lists it.
    ITypeInfo* borderType = nullptr;
    MEMBERID found = 0;
    USHORT count = 1;
    wchar_t search[] = L"BorderType";
    ASSERT_EQ(library->FindName(search, 0, &borderType, &found, &count), S_OK);
    ASSERT_EQ(count, 1);
    VARDESC* second = nullptr;
    ASSERT_EQ(borderType->GetVarDesc(1, &second), S_OK);
    BSTR memberName = nullptr;
    borderType->GetDocumentation(second->memid, &memberName, nullptr, nullptr, nullptr);
    EXPECT_STREQ(memberName, L"Fixed Single");
    EXPECT_EQ(V_I4(second->lpvarValue), 1);
    SysFreeString(memberName);
    borderType->ReleaseVarDesc(second);
    borderType->Release();
}

}  // namespace velmora::flintor::test
