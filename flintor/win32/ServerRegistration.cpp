// What the library writes into the registry, and removes again.
#include "flintor/win32/ServerRegistration.h"

#include <oleauto.h>
#include <olectl.h>

#include "Flintor_h.h"
#include "flintor/win32/FlintorControl.h"
#include "flintor/win32/resource.h"
#include "platform/win32/ComPtr.h"

namespace velmora::flintor::win32 {

using velmora::win32::ComPtr;

namespace {

constexpr char kClassName[] = "Flintor";

std::string GuidText(const GUID& guid) {
    wchar_t wide[40] = {};
    StringFromGUID2(guid, wide, 40);
    return std::string(wide, wide + wcslen(wide));
}

// An owned registry key.
class Key {
public:
    Key(HKEY parent, const std::string& path) {
        if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                            nullptr, &key_, nullptr) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    bool Set(const char* name, const std::string& value) const {
        return key_ &&
               RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }

private:
    HKEY key_ = nullptr;
};

bool SetValue(const std::string& path, const char* name, const std::string& value) {
    return Key(HKEY_CLASSES_ROOT, path).Set(name, value);
}

// Deletes a key with everything under it (a key with subkeys cannot be deleted directly).
void DeleteTree(HKEY parent, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    char name[256];
    for (;;) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const std::string child(name, length);
        DeleteTree(key, child);
        // A subkey that would not go would make this loop forever.
        HKEY still = nullptr;
        if (RegOpenKeyExA(key, child.c_str(), 0, KEY_READ, &still) == ERROR_SUCCESS) {
            RegCloseKey(still);
            break;
        }
    }
    RegCloseKey(key);
    RegDeleteKeyA(parent, path.c_str());
}

}  // namespace

HRESULT ServerRegistration::Register(const std::string& modulePath) {
    const std::string clsid = "CLSID\\" + GuidText(CLSID_Flintor);
    const bool written =
        SetValue(clsid, nullptr, kClassName) &&
        SetValue(clsid + "\\InprocServer32", nullptr, modulePath) &&
        SetValue(clsid + "\\InprocServer32", "ThreadingModel", "Apartment") &&
        SetValue(clsid + "\\ProgID", nullptr, kProgId) &&
        SetValue(clsid + "\\Control", nullptr, "") &&
        SetValue(clsid + "\\TypeLib", nullptr, GuidText(LIBID_AFlintor)) &&
        SetValue(clsid + "\\Version", nullptr, "1.0") &&
        SetValue(clsid + "\\ToolboxBitmap32", nullptr,
                 modulePath + ", " + std::to_string(IDB_TOOLBOX)) &&
        SetValue(clsid + "\\MiscStatus", nullptr, "0") &&
        // What the control itself answers GetMiscStatus, as decimal text.
        SetValue(clsid + "\\MiscStatus\\1", nullptr, std::to_string(FlintorControl::kMiscStatus)) &&
        SetValue(kProgId, nullptr, kClassName) &&
        SetValue(std::string(kProgId) + "\\CLSID", nullptr, GuidText(CLSID_Flintor));
    if (!written) return SELFREG_E_CLASS;

    const std::wstring widePath(modulePath.begin(), modulePath.end());
    ComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLibEx(widePath.c_str(), REGKIND_REGISTER, library.Put())))
        return SELFREG_E_TYPELIB;
    return S_OK;
}

HRESULT ServerRegistration::Unregister() {
    UnRegisterTypeLib(LIBID_AFlintor, 1, 0, LOCALE_NEUTRAL, SYS_WIN32);
    DeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + GuidText(CLSID_Flintor));
    DeleteTree(HKEY_CLASSES_ROOT, kProgId);
    return S_OK;
}

}  // namespace velmora::flintor::win32
