// Pictures to bytes and back in the OLE picture's own persistent form.
#include "flintor/win32/OlePictureCodec.h"

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "flintor/FlintorErrors.h"
#include "flintor/win32/OlePicture.h"
#include "platform/win32/ComPtr.h"

namespace velmora::flintor::win32 {

std::vector<std::uint8_t> OlePictureCodec::Encode(const Picture& picture) {
    const auto* ole = dynamic_cast<const OlePicture*>(&picture);
    if (!ole) throw InvalidPicture();
    ComPtr<IPersistStream> persist;
    ComPtr<IStream> stream;
    if (FAILED(ole->Interface()->QueryInterface(IID_IPersistStream, persist.PutVoid())) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put())) ||
        FAILED(persist->Save(stream.Get(), FALSE)))
        throw InvalidPicture();
    HGLOBAL memory = nullptr;
    STATSTG stat = {};
    if (FAILED(GetHGlobalFromStream(stream.Get(), &memory)) ||
        FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
        throw InvalidPicture();
    const auto size = static_cast<std::size_t>(stat.cbSize.QuadPart);
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
    if (!bytes) throw InvalidPicture();
    std::vector<std::uint8_t> result(bytes, bytes + size);
    GlobalUnlock(memory);
    return result;
}

PicturePtr OlePictureCodec::Decode(const std::vector<std::uint8_t>& bytes) {
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()))) throw InvalidPicture();
    ULONG written = 0;
    if (!bytes.empty() &&
        (FAILED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) ||
         written != bytes.size()))
        throw InvalidPicture();
    const LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(bytes.size()), FALSE,
                              IID_IPictureDisp, picture.PutVoid())) ||
        !picture)
        throw InvalidPicture();
    return OlePicture::FromDispatch(picture.Get());
}

}  // namespace velmora::flintor::win32
