// The class object that makes Flintor controls.
#include "flintor/win32/FlintorClassFactory.h"

#include "flintor/win32/FlintorControl.h"
#include "flintor/win32/ModuleState.h"

namespace velmora::flintor::win32 {

HRESULT FlintorClassFactory::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT FlintorClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    return FlintorControl::Create(outer, iid, out);
}

HRESULT FlintorClassFactory::LockServer(BOOL lock) {
    ModuleState::Lock(lock != FALSE);
    return S_OK;
}

}  // namespace velmora::flintor::win32
