// The registry and profile calls of one piece of work, as the program made them, and their
// replay as bare Win32 calls: the floor the work is measured against.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"

namespace velmora::bench {

class CallLog {
public:
    enum class Kind {
        OpenKey,
        OpenKeyEx,
        CreateKey,
        QueryValue,
        SetValue,
        EnumKey,
        EnumValue,
        QueryInfo,
        Flush,
        Close,
        DeleteKey,
        DeleteValue,
        Profile
    };
    struct Call {
        Kind kind = Kind::Profile;
        int key = 0;                // the key used: a root (negative, -1 HKCU, -2 HKLM) or a slot
        int opened = 0;             // the slot an open or create fills
        std::string name;           // subkey, value name, or the profile key
        std::string section, path;  // profile reads
        std::uint32_t number = 0;   // access, type, index or buffer size
        std::vector<std::uint8_t> data;  // what a set writes
        std::uint32_t size = 0;          // and how many bytes of it it counts
        bool withData = false;           // a query or enumeration that fetches the data
    };

    // The decorators write calls down only between Start and Stop; Start forgets the last
    // recording.
    void Start();
    void Stop() { recording_ = false; }
    bool Recording() const { return recording_; }

    // Recording, called by the decorators.
    int KeyOf(RegHandle handle) const;  // a root, or the slot an earlier open filled
    int NewSlot(RegHandle handle);      // the slot of a key just opened
    void Add(Call call) { calls_.push_back(std::move(call)); }
    void Clear();
    std::size_t Size() const { return calls_.size(); }
    std::size_t Count(Kind kind) const;

    // Every call again, straight to advapi32 and kernel32, with buffers made once.
    void Replay();

private:
    bool recording_ = false;
    std::vector<Call> calls_;
    std::vector<RegHandle> slots_;  // recorded handles by slot
    std::vector<HKEY> live_;        // the replay's handles by slot
    std::vector<std::uint8_t> buffer_;
};

}  // namespace velmora::bench
