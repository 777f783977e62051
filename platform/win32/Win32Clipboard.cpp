// The clipboard port on Windows: pictures go on it as device-dependent bitmaps.
#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/GdiScope.h"
#include "platform/win32/Win32Picture.h"

namespace velmora::win32 {

namespace {

// Open for this thread while it lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool Ok() const { return open_; }

private:
    bool open_;
};

}  // namespace

bool Win32Clipboard::CopyPicture(const Picture& picture) {
    const auto* windowsPicture = dynamic_cast<const Win32Picture*>(&picture);
    const int width = picture.Width(), height = picture.Height();
    if (!windowsPicture || width <= 0 || height <= 0) return false;

    // The picture drawn into a bitmap of its own, which the clipboard then owns.
    const WindowDC screen;
    OwnedGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!bitmap.Get()) return false;
    {
        MemoryDC memory(screen.Get());
        SelectedObject selected(memory.Get(), bitmap.Get());
        if (!selected.Ok()) return false;
        windowsPicture->Render(memory.Get(), 0, 0, width, height);
    }
    // The active window owns what is put on it: with no owner, Windows refuses the data.
    const OpenedClipboard clipboard(GetActiveWindow());
    if (!clipboard.Ok() || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_BITMAP, bitmap.Get())) return false;
    bitmap.Release();
    return true;
}

}  // namespace velmora::win32
