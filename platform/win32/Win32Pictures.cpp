// Pictures through OLE: loaded from files, or the built-in throbber strips from the
// program's resources.
#include "platform/win32/Win32Pictures.h"

#include <objidl.h>

#include "platform/win32/Win32Picture.h"
#include "platform/win32/BuiltInStrips.h"

namespace velmora::win32 {

namespace {

// Pictures bigger than this are not pictures the program shows (a toolbar picture or a
// strip is a few hundred kilobytes at most); refusing them keeps a stray path harmless.
constexpr DWORD kMaxPictureBytes = 64u * 1024 * 1024;

class OwnedFile {
public:
    explicit OwnedFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OwnedFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    OwnedFile(const OwnedFile&) = delete;
    OwnedFile& operator=(const OwnedFile&) = delete;
    HANDLE Get() const { return handle_; }
    bool Open() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// A stream over a copy of the file's bytes; null when the file cannot be read whole.
ComPtr<IStream> ReadFileStream(const std::string& path, DWORD* size) {
    OwnedFile file(path);
    if (!file.Open()) return {};
    DWORD high = 0;
    *size = GetFileSize(file.Get(), &high);
    if (*size == INVALID_FILE_SIZE || high != 0 || *size == 0 || *size > kMaxPictureBytes)
        return {};
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, *size);
    if (!memory) return {};
    void* bytes = GlobalLock(memory);
    DWORD read = 0;
    const bool whole = bytes && ReadFile(file.Get(), bytes, *size, &read, nullptr) && read == *size;
    if (bytes) GlobalUnlock(memory);
    ComPtr<IStream> stream;
    // The stream frees the memory when it goes.
    if (!whole || FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.Put()))) {
        GlobalFree(memory);
        return {};
    }
    return stream;
}

}  // namespace

Win32Pictures::Win32Pictures(HINSTANCE resources) : resources_(resources) {}

PicturePtr Win32Pictures::LoadPicture(const std::string& path) {
    DWORD size = 0;
    ComPtr<IStream> stream = ReadFileStream(path, &size);
    if (!stream) return nullptr;
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              picture.PutVoid())) ||
        !picture)
        return nullptr;
    return std::make_shared<Win32Picture>(std::move(picture));
}

PicturePtr Win32Pictures::EmptyPicture() {
    return std::make_shared<Win32Picture>(nullptr);
}

PicturePtr Win32Pictures::BuiltIn(BuiltInStrip strip) {
    PicturePtr& cached = strip == BuiltInStrip::XP ? xp_ : classic_;
    if (!cached)
        cached = Win32Picture::FromResource(resources_,
                                            strip == BuiltInStrip::XP ? IDB_PICXP : IDB_PICANI);
    return cached;
}

}  // namespace velmora::win32
