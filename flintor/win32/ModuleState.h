// What the library knows about itself: its module handle and path, and how many objects
// and server locks keep it loaded.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::flintor::win32 {

class ModuleState {
public:
    static void SetInstance(HINSTANCE instance) { instance_ = instance; }
    static HINSTANCE Instance() { return instance_; }
    static std::string Path();

    static void ObjectCreated() { InterlockedIncrement(&objects_); }
    static void ObjectDestroyed() { InterlockedDecrement(&objects_); }
    static void Lock(bool lock) {
        if (lock)
            InterlockedIncrement(&locks_);
        else
            InterlockedDecrement(&locks_);
    }
    static bool CanUnload() { return objects_ == 0 && locks_ == 0; }

private:
    static inline HINSTANCE instance_ = nullptr;
    static inline LONG objects_ = 0;
    static inline LONG locks_ = 0;
};

}  // namespace velmora::flintor::win32
