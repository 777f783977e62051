// One outgoing interface of the control (its events, or property change notification) and
// the sinks connected to it. Lives inside the control and shares its reference count.
#pragma once

#include <ocidl.h>

#include <utility>
#include <vector>

#include "platform/win32/ComPtr.h"

namespace velmora::flintor::win32 {

using velmora::win32::ComPtr;

class ConnectionPoint : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer* owner, const IID& iid) : owner_(owner), iid_(iid) {}
    virtual ~ConnectionPoint() = default;
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

    const IID& Iid() const { return iid_; }
    // The sinks connected now, each held for the caller: a sink may disconnect, or drop
    // the control, while it is being called.
    template <class Sink>
    std::vector<ComPtr<Sink>> Sinks() const {
        std::vector<ComPtr<Sink>> sinks;
        for (const auto& connection : sinks_)
            sinks.push_back(ComPtr<Sink>(static_cast<Sink*>(connection.second.Get())));
        return sinks;
    }
    // Drops every connection (the control is going away).
    void DisconnectAll() { sinks_.clear(); }

private:
    IConnectionPointContainer* owner_;
    IID iid_;
    std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_;
    DWORD nextCookie_ = 1;
};

}  // namespace velmora::flintor::win32
