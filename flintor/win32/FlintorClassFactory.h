// The class object DllGetClassObject hands out: it makes Flintor controls.
#pragma once

#include <objbase.h>

namespace velmora::flintor::win32 {

class FlintorClassFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    // A class object lives as long as the module; only server locks count.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

}  // namespace velmora::flintor::win32
