// What the library knows about itself.
#include "flintor/win32/ModuleState.h"

namespace velmora::flintor::win32 {

std::string ModuleState::Path() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(instance_, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

}  // namespace velmora::flintor::win32
