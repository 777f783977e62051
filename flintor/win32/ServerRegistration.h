// What the library writes into the registry so that hosts find the control, and removes
// again: its class, ProgID, server, type library and control markers.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::flintor::win32 {

class ServerRegistration {
public:
    static constexpr const char* kProgId = "AFlintor.Flintor";

    // `modulePath` is the library's own file.
    static HRESULT Register(const std::string& modulePath);
    // Removes everything Register wrote; what is already gone is no error.
    static HRESULT Unregister();
};

}  // namespace velmora::flintor::win32
