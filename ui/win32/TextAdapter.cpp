// A text model, shown by an edit box (its text and selection, read back) or a static text.
#include <memory>
#include <string>
#include <utility>

#include "ui/win32/ControlAdapter.h"
#include "ui/win32/FormSite.h"

namespace velmora::win32 {

namespace {

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

class TextAdapter : public ChildAdapter {
public:
    using ChildAdapter::ChildAdapter;

    void Attach(FormSite& site) override {
        if (!Find(site)) return;
        edit_ = lstrcmpiA(ClassOf(control_).c_str(), "Edit") == 0;
        Dress();
        TakeDesignCaption();
        if (edit_)
            SendMessageA(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&shownSelection_.first),
                         reinterpret_cast<LPARAM>(&shownSelection_.second));
    }

    void Notify(int code, HWND) override {
        if (code == EN_CHANGE) {
            if (!pushing_) Read();
            site_->Trapped(row_.change);
        } else if (code == EN_SETFOCUS) {
            Read();
            site_->Trapped(row_.gotFocus);
        }
    }

    bool ShowsBackdrop() const override { return !edit_; }
    bool ShowsLink() const override { return row_.link && linkShown_; }

private:
    void PushValue() override {
        // A new text puts an edit box's caret at its start.
        if (PushText()) shownSelection_ = {0, 0};
        PushLink();
        if (!edit_) return;
        const auto* text = static_cast<const ui::TextBox*>(row_.model);
        const Selection wanted = {static_cast<DWORD>(text->SelStart()),
                                  static_cast<DWORD>(text->SelStart() + text->SelLength())};
        if (wanted == shownSelection_) return;
        shownSelection_ = wanted;
        SendMessageA(control_, EM_SETSEL, wanted.first, static_cast<LPARAM>(wanted.second));
    }

    void ReadValue() override {
        if (!edit_) return;
        auto* text = static_cast<ui::TextBox*>(row_.model);
        const std::string typed = WindowText(control_);
        NoteText(typed);
        text->SetText(typed);
        DWORD start = 0, end = 0;
        SendMessageA(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        shownSelection_ = {start, end};
        text->SetSelection(static_cast<int>(start), static_cast<int>(end - start));
    }

    // A link underlined in the window's link font, or back in the control's own.
    void PushLink() {
        const bool link = row_.link && static_cast<const ui::TextBox*>(row_.model)->Link();
        if (link == linkShown_) return;
        if (!ownFont_) ownFont_ = reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0));
        HFONT font = link ? site_->LinkFont(control_) : ownFont_;
        if (font) SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        linkShown_ = link;
        InvalidateRect(control_, nullptr, TRUE);
    }

    // An edit box reports no clicks of its own.
    bool HearsClicks() const override { return edit_; }

    // An edit box's selection as last pushed or read: start and end. The user moves it
    // without a word, but only the model's own changes are pushed, and those always differ
    // from what was last pushed or read.
    using Selection = std::pair<DWORD, DWORD>;
    Selection shownSelection_ = {0, 0};
    bool edit_ = false;  // shown by an edit box (else by a static text)
    bool linkShown_ = false;
    HFONT ownFont_ = nullptr;  // the dialog's, not ours to delete
};

}  // namespace

std::unique_ptr<ControlAdapter> MakeTextAdapter(const BoundControl& row) {
    return std::make_unique<TextAdapter>(row);
}

}  // namespace velmora::win32
