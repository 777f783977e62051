// A picture box: an owner-drawn static that draws its model's picture in each of its
// rectangles, clipped to the box; its design-time picture drawn centred until the program
// draws something else; or the window's backdrop.
#include <memory>
#include <vector>

#include "platform/win32/Win32Picture.h"
#include "ui/win32/ControlAdapter.h"
#include "ui/win32/FormSite.h"

namespace velmora::win32 {

namespace {

class PictureAdapter : public ChildAdapter {
public:
    using ChildAdapter::ChildAdapter;

    void Attach(FormSite& site) override {
        if (!Find(site)) return;
        Dress();
        if (row_.backdrop) site.SetBackdrop(control_, row_.designBitmap, row_.backdropText);
        RECT client = {};
        GetClientRect(control_, &client);
        Model().SetSize(client.right, client.bottom);
        if (row_.designBitmap && !Model().Picture()) {
            if (PicturePtr picture =
                    Win32Picture::FromResource(site.Resources(), row_.designBitmap)) {
                const int width = picture->Width(), height = picture->Height();
                Model().Draw(picture, {{(client.right - width) / 2, (client.bottom - height) / 2,
                                        width, height}});
            }
        }
    }

    void Notify(int code, HWND) override {
        if (code == STN_CLICKED) site_->Trapped(row_.click);
    }

    bool Draw(const DRAWITEMSTRUCT& item) override {
        if (item.CtlType != ODT_STATIC) return false;
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_3DFACE));
        const Win32Picture* picture = AsWin32Picture(Model().Picture());
        if (!picture) return true;
        SavedDC saved(item.hDC);
        IntersectClipRect(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right,
                          item.rcItem.bottom);
        for (const ui::DrawRect& draw : Model().Draws())
            picture->Render(item.hDC, item.rcItem.left + draw.x, item.rcItem.top + draw.y,
                            draw.width, draw.height);
        return true;
    }

private:
    ui::PictureBox& Model() const { return *static_cast<ui::PictureBox*>(row_.model); }

    // Repainted only when its drawing changed (not for a tool tip or a tag).
    void PushValue() override {
        if (shownPicture_ == Model().Picture() && shownDraws_ == Model().Draws()) return;
        shownPicture_ = Model().Picture();
        shownDraws_ = Model().Draws();
        InvalidateRect(control_, nullptr, TRUE);
    }

    PicturePtr shownPicture_;  // the drawing the control was last asked to paint
    std::vector<ui::DrawRect> shownDraws_;
};

}  // namespace

std::unique_ptr<ControlAdapter> MakePictureAdapter(const BoundControl& row) {
    return std::make_unique<PictureAdapter>(row);
}

}  // namespace velmora::win32
