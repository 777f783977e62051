// A COM enumerator over a snapshot of items (connections, connection points): the IEnumX
// interfaces all have Next, Skip, Reset and Clone of the same shape.
#pragma once

#include <ocidl.h>

#include <vector>

#include "flintor/win32/ModuleState.h"

namespace velmora::flintor::win32 {

inline void AddItemReference(CONNECTDATA& item) {
    if (item.pUnk) item.pUnk->AddRef();
}
inline void AddItemReference(IConnectionPoint*& item) {
    if (item) item->AddRef();
}
inline void ReleaseItem(CONNECTDATA& item) {
    if (item.pUnk) item.pUnk->Release();
}
inline void ReleaseItem(IConnectionPoint*& item) {
    if (item) item->Release();
}

template <class EnumInterface, class Item, const IID* kIid>
class ComEnumerator : public EnumInterface {
public:
    // Takes a reference on every item for the enumerator's lifetime.
    explicit ComEnumerator(std::vector<Item> items, size_t position = 0)
        : items_(std::move(items)), position_(position) {
        for (Item& item : items_) AddItemReference(item);
        ModuleState::ObjectCreated();
    }
    virtual ~ComEnumerator() {
        for (Item& item : items_) ReleaseItem(item);
        ModuleState::ObjectDestroyed();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, *kIid)) {
            *out = static_cast<EnumInterface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, Item* out, ULONG* fetched) override {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG given = 0;
        while (given < count && position_ < items_.size()) {
            out[given] = items_[position_++];
            AddItemReference(out[given]);
            ++given;
        }
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const size_t left = items_.size() - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(EnumInterface** out) override {
        if (!out) return E_POINTER;
        *out = new ComEnumerator(items_, position_);
        return S_OK;
    }

private:
    std::vector<Item> items_;
    size_t position_;
    LONG references_ = 1;
};

using ConnectionEnumerator = ComEnumerator<IEnumConnections, CONNECTDATA, &IID_IEnumConnections>;
using ConnectionPointEnumerator =
    ComEnumerator<IEnumConnectionPoints, IConnectionPoint*, &IID_IEnumConnectionPoints>;

}  // namespace velmora::flintor::win32
