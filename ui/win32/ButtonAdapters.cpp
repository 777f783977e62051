// A button, and a check box (its tick, read back); a click reaches the handler only while the
// model is enabled.
#include <memory>
#include <optional>

#include "ui/win32/ControlAdapter.h"
#include "ui/win32/FormSite.h"

namespace velmora::win32 {

namespace {

class ButtonAdapter : public ChildAdapter {
public:
    using ChildAdapter::ChildAdapter;

    void Attach(FormSite& site) override {
        if (!Find(site)) return;
        Dress();
        TakeDesignCaption();
    }

    void Notify(int code, HWND) override {
        // A disabled control is never clicked by the user, whatever a message says.
        if (code == BN_CLICKED && row_.model->Enabled()) {
            Read();
            site_->Trapped(row_.click);
        }
    }

protected:
    void PushValue() override { PushText(); }
};

class CheckAdapter : public ButtonAdapter {
public:
    using ButtonAdapter::ButtonAdapter;

private:
    void PushValue() override {
        PushText();
        const WPARAM wanted =
            static_cast<const ui::CheckBox*>(row_.model)->Value() ? BST_CHECKED : BST_UNCHECKED;
        if (!shownCheck_)
            shownCheck_ = static_cast<WPARAM>(SendMessageA(control_, BM_GETCHECK, 0, 0));
        if (*shownCheck_ == wanted) return;
        shownCheck_ = wanted;
        SendMessageA(control_, BM_SETCHECK, wanted, 0);
    }

    void ReadValue() override {
        shownCheck_ = static_cast<WPARAM>(SendMessageA(control_, BM_GETCHECK, 0, 0));
        static_cast<ui::CheckBox*>(row_.model)->SetValue(*shownCheck_ == BST_CHECKED ? 1 : 0);
    }

    // The tick as last pushed or read (unknown until the first push); a click's own change
    // is read before its handler runs.
    std::optional<WPARAM> shownCheck_;
};

}  // namespace

std::unique_ptr<ControlAdapter> MakeButtonAdapter(const BoundControl& row) {
    return std::make_unique<ButtonAdapter>(row);
}

std::unique_ptr<ControlAdapter> MakeCheckAdapter(const BoundControl& row) {
    return std::make_unique<CheckAdapter>(row);
}

}  // namespace velmora::win32
