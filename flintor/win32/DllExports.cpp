// The library's entry points: the four exports every in-process COM server has.
#include <windows.h>
#include <olectl.h>

#include "Flintor_h.h"
#include "flintor/win32/FlintorClassFactory.h"
#include "flintor/win32/ModuleState.h"
#include "flintor/win32/ServerRegistration.h"
#include "flintor/win32/Win32ClipTimer.h"
#include "flintor/win32/Win32Surface.h"

using velmora::flintor::win32::FlintorClassFactory;
using velmora::flintor::win32::ModuleState;
using velmora::flintor::win32::ServerRegistration;
using velmora::flintor::win32::Win32ClipTimer;
using velmora::flintor::win32::Win32Surface;

namespace {
FlintorClassFactory classFactory;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        ModuleState::SetInstance(instance);
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded while the process goes on (COM found it unused): a later load must be
        // able to register its window classes afresh.
        Win32ClipTimer::UnregisterWindowClass();
        Win32Surface::UnregisterWindowClass();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_Flintor)) return CLASS_E_CLASSNOTAVAILABLE;
    return classFactory.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() {
    return ModuleState::CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    return ServerRegistration::Register(ModuleState::Path());
}

STDAPI DllUnregisterServer() {
    return ServerRegistration::Unregister();
}
