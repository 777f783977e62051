// A list box (its entries and selection, read back) and an editable combo box (its entries
// and text, read back). Both show new entries by changing only those after the first
// difference, which keeps the scroll position; a long change is made with the drawing off
// and the storage reserved, and painted once.
#include <memory>
#include <string>
#include <vector>

#include "ui/ListDiff.h"
#include "ui/win32/ControlAdapter.h"
#include "ui/win32/FormSite.h"

namespace velmora::win32 {

namespace {

// The messages of one kind of list.
struct ListMessages {
    UINT reset, remove, reserve, add;
};

class EntriesAdapter : public ChildAdapter {
public:
    EntriesAdapter(const BoundControl& row, ListMessages messages)
        : ChildAdapter(row), messages_(messages) {}

    void Attach(FormSite& site) override {
        if (Find(site)) Dress();
    }

protected:
    void ShowEntries(const std::vector<std::string>& wanted) {
        const ui::ListChange change = ui::DiffList(shown_, wanted);
        if (change.many) SendMessageA(control_, WM_SETREDRAW, FALSE, 0);
        if (change.keep == 0 && change.remove > 0) {
            SendMessageA(control_, messages_.reset, 0, 0);
        } else {
            for (size_t i = change.keep + change.remove; i > change.keep; --i)
                SendMessageA(control_, messages_.remove, i - 1, 0);
        }
        if (change.many) {
            size_t bytes = 0;
            for (const std::string& entry : change.add) bytes += entry.size() + 1;
            SendMessageA(control_, messages_.reserve, change.add.size(),
                         static_cast<LPARAM>(bytes));
        }
        for (const std::string& entry : change.add)
            SendMessageA(control_, messages_.add, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        shown_ = wanted;
        if (change.many) {
            SendMessageA(control_, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(control_, nullptr, TRUE);
        }
    }

    std::vector<std::string> shown_;  // what the control holds, as last pushed

private:
    ListMessages messages_;
};

class ListAdapter : public EntriesAdapter {
public:
    explicit ListAdapter(const BoundControl& row)
        : EntriesAdapter(row, {LB_RESETCONTENT, LB_DELETESTRING, LB_INITSTORAGE, LB_ADDSTRING}) {}

    void Notify(int code, HWND) override {
        if (code == LBN_SELCHANGE) {
            Read();
            site_->Trapped(row_.click);
        }
    }

private:
    const ui::ListBox& Model() const { return *static_cast<const ui::ListBox*>(row_.model); }

    void PushValue() override {
        ShowEntries(Model().Items());
        const int index = Model().ListIndex();
        if (SendMessageA(control_, LB_GETCURSEL, 0, 0) != index)
            SendMessageA(control_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }

    void ReadValue() override {
        const LRESULT index = SendMessageA(control_, LB_GETCURSEL, 0, 0);
        static_cast<ui::ListBox*>(row_.model)
            ->SetListIndex(index == LB_ERR ? -1 : static_cast<int>(index));
    }
};

class ComboAdapter : public EntriesAdapter {
public:
    explicit ComboAdapter(const BoundControl& row)
        : EntriesAdapter(row, {CB_RESETCONTENT, CB_DELETESTRING, CB_INITSTORAGE, CB_ADDSTRING}) {}

    void Notify(int code, HWND) override {
        if (code == CBN_SELCHANGE) {
            // The edit part still shows the old text: take the chosen entry's.
            const auto index = SendMessageA(control_, CB_GETCURSEL, 0, 0);
            if (index >= 0 && static_cast<size_t>(index) < shown_.size()) {
                reading_ = true;
                row_.model->SetText(shown_[static_cast<size_t>(index)]);
                reading_ = false;
            }
            site_->Trapped(row_.click);
        } else if (code == CBN_EDITCHANGE) {
            Read();
        }
    }

private:
    void PushValue() override {
        ShowEntries(static_cast<const ui::ComboBox*>(row_.model)->Items());
        PushText();
    }

    void ReadValue() override { row_.model->SetText(WindowText(control_)); }
};

}  // namespace

std::unique_ptr<ControlAdapter> MakeListAdapter(const BoundControl& row) {
    return std::make_unique<ListAdapter>(row);
}

std::unique_ptr<ControlAdapter> MakeComboAdapter(const BoundControl& row) {
    return std::make_unique<ComboAdapter>(row);
}

}  // namespace velmora::win32
