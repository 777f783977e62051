// One outgoing interface of the control and the sinks connected to it.
#include "flintor/win32/ConnectionPoint.h"

#include <olectl.h>

#include "flintor/win32/ComEnumerator.h"

namespace velmora::flintor::win32 {

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) return E_POINTER;
    *out = owner_;
    owner_->AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    // The sink is kept as the interface it implements, so calling it needs no cast later.
    ComPtr<IUnknown> typed;
    if (FAILED(sink->QueryInterface(iid_, typed.PutVoid())) || !typed)
        return CONNECT_E_CANNOTCONNECT;
    *cookie = nextCookie_++;
    sinks_.emplace_back(*cookie, std::move(typed));
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->first == cookie) {
            // Erase first: releasing the sink may call back into the control.
            ComPtr<IUnknown> sink = std::move(it->second);
            sinks_.erase(it);
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) {
    if (!out) return E_POINTER;
    std::vector<CONNECTDATA> connections;
    for (const auto& connection : sinks_)
        connections.push_back({connection.second.Get(), connection.first});
    *out = new ConnectionEnumerator(std::move(connections));
    return S_OK;
}

}  // namespace velmora::flintor::win32
