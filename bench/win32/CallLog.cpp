// The Win32 calls of one piece of work, and their replay as bare Win32 calls.
#include "bench/win32/CallLog.h"

#include <algorithm>

namespace velmora::bench {

int CallLog::KeyOf(RegHandle handle) const {
    if (handle == kHkeyCurrentUser) return -1;
    if (handle == kHkeyLocalMachine) return -2;
    // The latest slot of that handle: the system reuses the values of closed keys.
    for (std::size_t slot = slots_.size(); slot > 0; --slot)
        if (slots_[slot - 1] == handle) return static_cast<int>(slot - 1);
    return -3;  // an unknown handle: replayed as a null key, which fails as it did
}

int CallLog::NewSlot(RegHandle handle) {
    slots_.push_back(handle);
    return static_cast<int>(slots_.size() - 1);
}

int CallLog::NewPictureSlot(const Picture* picture) {
    pictureSlots_.push_back(picture);
    return static_cast<int>(pictureSlots_.size() - 1);
}

int CallLog::PictureSlotOf(const Picture* picture) const {
    if (!picture) return -1;
    for (std::size_t slot = pictureSlots_.size(); slot > 0; --slot)
        if (pictureSlots_[slot - 1] == picture) return static_cast<int>(slot - 1);
    return -1;
}

void CallLog::Start() {
    Clear();
    recording_ = true;
}

void CallLog::Clear() {
    calls_.clear();
    slots_.clear();
    pictureSlots_.clear();
}

void CallLog::Keep(const std::function<bool(std::size_t, const Call&)>& keep) {
    std::vector<Call> kept;
    for (std::size_t i = 0; i < calls_.size(); ++i)
        if (keep(i, calls_[i])) kept.push_back(std::move(calls_[i]));
    calls_ = std::move(kept);
}

std::size_t CallLog::Count(Kind kind) const {
    return static_cast<std::size_t>(std::count_if(
        calls_.begin(), calls_.end(), [kind](const Call& call) { return call.kind == kind; }));
}

void CallLog::Replay() {
    Replay(Targets());
}

void CallLog::Replay(const Targets& targets) {
    live_.assign(slots_.size(), nullptr);
    livePictures_.assign(pictureSlots_.size(), nullptr);
    if (buffer_.size() < 65536) buffer_.assign(65536, 0);
    auto key = [this](int k) -> HKEY {
        if (k == -1) return HKEY_CURRENT_USER;
        if (k == -2) return HKEY_LOCAL_MACHINE;
        return k >= 0 ? live_[static_cast<std::size_t>(k)] : nullptr;
    };
    char* text = reinterpret_cast<char*>(buffer_.data());
    for (const Call& call : calls_) {
        DWORD type = 0, size = call.number, nameSize = 2048;
        switch (call.kind) {
            case Kind::OpenKey:
                RegOpenKeyA(key(call.key), call.name.c_str(), &live_[call.opened]);
                break;
            case Kind::OpenKeyEx:
                RegOpenKeyExA(key(call.key), call.name.c_str(), 0, call.number,
                              &live_[call.opened]);
                break;
            case Kind::CreateKey:
                RegCreateKeyA(key(call.key), call.name.c_str(), &live_[call.opened]);
                break;
            case Kind::QueryValue:
                RegQueryValueExA(key(call.key), call.name.c_str(), nullptr, &type,
                                 call.withData ? buffer_.data() : nullptr, &size);
                break;
            case Kind::SetValue:
                RegSetValueExA(key(call.key), call.name.c_str(), 0, call.number, call.data.data(),
                               call.size);
                break;
            case Kind::EnumKey: RegEnumKeyA(key(call.key), call.number, text, 2048); break;
            case Kind::EnumValue:
                size = 2048;
                RegEnumValueA(key(call.key), call.number, text, &nameSize, nullptr, &type,
                              call.withData ? buffer_.data() + 4096 : nullptr,
                              call.withData ? &size : nullptr);
                break;
            case Kind::QueryInfo: {
                DWORD longestName = 0, longestData = 0;
                RegQueryInfoKeyA(key(call.key), nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, &longestName, &longestData, nullptr, nullptr);
                break;
            }
            case Kind::Flush: RegFlushKey(key(call.key)); break;
            case Kind::Close: RegCloseKey(key(call.key)); break;
            case Kind::DeleteKey: RegDeleteKeyA(key(call.key), call.name.c_str()); break;
            case Kind::DeleteValue: RegDeleteValueA(key(call.key), call.name.c_str()); break;
            case Kind::Profile:
                GetPrivateProfileStringA(call.section.c_str(), call.name.c_str(), "", text,
                                         call.number, call.path.c_str());
                break;
            case Kind::Message:
                SendMessageA(
                    call.window, call.message, call.wParam,
                    call.textArgument ? reinterpret_cast<LPARAM>(call.name.c_str()) : call.lParam);
                break;
            case Kind::SetText: SetWindowTextA(call.window, call.name.c_str()); break;
            case Kind::Enable: EnableWindow(call.window, call.number != 0); break;
            case Kind::Show: ShowWindow(call.window, static_cast<int>(call.number)); break;
            case Kind::Invalidate: InvalidateRect(call.window, nullptr, call.number != 0); break;
            case Kind::Query: break;
            case Kind::LoadPicture:
                if (targets.pictures)
                    livePictures_[call.opened] = targets.pictures->LoadPicture(call.name);
                break;
            case Kind::BuiltInPicture:
                if (targets.pictures)
                    livePictures_[call.opened] =
                        targets.pictures->BuiltIn(static_cast<BuiltInStrip>(call.number));
                break;
            case Kind::EmptyPicture:
                if (targets.pictures) livePictures_[call.opened] = targets.pictures->EmptyPicture();
                break;
            case Kind::ClipPicture:
                if (targets.clip)
                    targets.clip->SetAniPicture(
                        call.key >= 0 ? livePictures_[static_cast<std::size_t>(call.key)]
                                      : nullptr);
                break;
            case Kind::ClipPlay:
                if (targets.clip) targets.clip->Play();
                break;
        }
    }
    livePictures_.clear();  // the clip control keeps what it was handed
}

}  // namespace velmora::bench
