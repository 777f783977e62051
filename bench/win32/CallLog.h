// The Win32 calls of one piece of work, as the program made them, and their replay as bare
// Win32 calls: the floor the work is measured against. Registry and profile calls, the calls
// to a window's controls (changes, and the queries that only read a control, never
// replayed), picture loads and the clip control's property puts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ClipControl.h"
#include "platform/Pictures.h"
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
        Profile,
        // A window's controls: SendMessageA, SetWindowTextA, EnableWindow, ShowWindow,
        // InvalidateRect; a query (a message or call that only reads a control) is counted
        // and never replayed.
        Message,
        SetText,
        Enable,
        Show,
        Invalidate,
        Query,
        // Pictures and the clip control.
        LoadPicture,
        BuiltInPicture,
        EmptyPicture,
        ClipPicture,
        ClipPlay
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
        // A control call: the window, and a message's own arguments (a text argument is
        // kept in name, and replayed from there).
        HWND window = nullptr;
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool textArgument = false;
    };
    // What a replay of picture loads and clip puts acts on.
    struct Targets {
        Pictures* pictures = nullptr;
        ClipControl* clip = nullptr;
    };

    // The decorators write calls down only between Start and Stop; Start forgets the last
    // recording.
    void Start();
    void Stop() { recording_ = false; }
    bool Recording() const { return recording_; }

    // Recording, called by the decorators.
    int KeyOf(RegHandle handle) const;  // a root, or the slot an earlier open filled
    int NewSlot(RegHandle handle);      // the slot of a key just opened
    // A picture as a slot, as for keys: the slot a load fills, and the slot of a picture a
    // put hands on (-1 for none or one not loaded while recording).
    int NewPictureSlot(const Picture* picture);
    int PictureSlotOf(const Picture* picture) const;
    void Add(Call call) { calls_.push_back(std::move(call)); }
    void Clear();
    std::size_t Size() const { return calls_.size(); }
    std::size_t Count(Kind kind) const;
    const std::vector<Call>& Calls() const { return calls_; }
    // Keeps the calls for which keep(index, call) holds.
    void Keep(const std::function<bool(std::size_t, const Call&)>& keep);

    // Every call again, straight to advapi32, kernel32 and user32, with buffers made once;
    // the pictures through targets.pictures (their loaders are the bare ones) and the puts
    // to targets.clip. Calls without a target are left out.
    void Replay(const Targets& targets);
    void Replay();  // registry and profile calls alone

private:
    bool recording_ = false;
    std::vector<Call> calls_;
    std::vector<RegHandle> slots_;              // recorded handles by slot
    std::vector<HKEY> live_;                    // the replay's handles by slot
    std::vector<const Picture*> pictureSlots_;  // recorded pictures by slot
    std::vector<PicturePtr> livePictures_;      // the replay's pictures by slot
    std::vector<std::uint8_t> buffer_;
};

}  // namespace velmora::bench
