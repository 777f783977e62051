// Closes an opened registry key when it goes out of scope.
#pragma once

#include "platform/RegistryApi.h"

namespace velmora {

// Owns one handle given by OpenKey, OpenKeyEx or CreateKey. A null handle (a failed open) is
// not closed; closing a predefined root is harmless, so a root handed back for an empty path
// may be owned too.
class ScopedRegKey {
public:
    explicit ScopedRegKey(RegistryApi& api) : api_(api) {}
    // Operations close explicitly so that a failing close reaches their error trap; this is
    // only the safety net when they leave early.
    ~ScopedRegKey() {
        try {
            Close();
        } catch (...) {
        }
    }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;

    // For the open call to fill in.
    RegHandle* Out() {
        Close();
        return &handle_;
    }
    RegHandle Get() const { return handle_; }

    void Close() {
        const RegHandle handle = handle_;
        handle_ = 0;
        if (handle != 0) api_.CloseKey(handle);
    }

private:
    RegistryApi& api_;
    RegHandle handle_ = 0;
};

}  // namespace velmora
