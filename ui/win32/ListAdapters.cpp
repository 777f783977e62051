// A list box (its entries and selection, read back) and an editable combo box (its entries
// and text, read back). Both show new entries by changing only those after the first
// difference, which keeps the scroll position; a long change is made with the drawing off
// and the storage reserved, and painted once.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/ListDiff.h"
#include "ui/win32/ControlAdapter.h"
#include "ui/win32/FormSite.h"

namespace velmora::win32 {

namespace {

// The messages of one kind of list; a combo box's reset also empties its edit part, so
// that it resets only for a long change.
struct ListMessages {
    UINT reset, remove, reserve, add;
    bool resetEmptiesText;
};

// What showing new entries did.
struct Shown {
    bool changed = false;  // entries went or came (the selection may have gone with them)
    bool reset = false;    // all went at once
};

class EntriesAdapter : public ChildAdapter {
public:
    EntriesAdapter(const BoundControl& row, ListMessages messages)
        : ChildAdapter(row), messages_(messages) {}

    void Attach(FormSite& site) override {
        if (Find(site)) Dress();
    }

protected:
    Shown ShowEntries(const std::vector<std::string>& wanted) {
        const ui::ListChange change = ui::DiffList(shown_, wanted);
        Shown shown;
        if (change.remove == 0 && change.add.empty()) return shown;
        shown.changed = true;
        shown.reset =
            change.keep == 0 && change.remove > 0 && (change.many || !messages_.resetEmptiesText);
        if (change.many) SendMessageA(control_, WM_SETREDRAW, FALSE, 0);
        if (shown.reset) {
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
        return shown;
    }

    std::vector<std::string> shown_;  // what the control holds, as last pushed

private:
    ListMessages messages_;
};

class ListAdapter : public EntriesAdapter {
public:
    explicit ListAdapter(const BoundControl& row)
        : EntriesAdapter(row,
                         {LB_RESETCONTENT, LB_DELETESTRING, LB_INITSTORAGE, LB_ADDSTRING, false}) {}

    void Notify(int code, HWND) override {
        if (code == LBN_SELCHANGE) {
            Read();
            site_->Trapped(row_.click);
        }
    }

private:
    const ui::ListBox& Model() const { return *static_cast<const ui::ListBox*>(row_.model); }

    void PushValue() override {
        // A change of entries may take the selection with it: asked again.
        if (ShowEntries(Model().Items()).changed) shownIndex_.reset();
        const int index = Model().ListIndex();
        if (!shownIndex_)
            shownIndex_ = static_cast<int>(SendMessageA(control_, LB_GETCURSEL, 0, 0));
        if (*shownIndex_ == index) return;
        shownIndex_ = index;
        SendMessageA(control_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }

    void ReadValue() override {
        const LRESULT index = SendMessageA(control_, LB_GETCURSEL, 0, 0);
        shownIndex_ = index == LB_ERR ? -1 : static_cast<int>(index);
        static_cast<ui::ListBox*>(row_.model)->SetListIndex(*shownIndex_);
    }

    // The selected entry as last pushed or read (unknown until the first push); the user's
    // choice is read before the click's handler runs.
    std::optional<int> shownIndex_;
};

class ComboAdapter : public EntriesAdapter {
public:
    explicit ComboAdapter(const BoundControl& row)
        : EntriesAdapter(row,
                         {CB_RESETCONTENT, CB_DELETESTRING, CB_INITSTORAGE, CB_ADDSTRING, true}) {}

    void Notify(int code, HWND) override {
        if (code == CBN_SELCHANGE) {
            // The edit part still shows the old text: take the chosen entry's.
            const auto index = SendMessageA(control_, CB_GETCURSEL, 0, 0);
            if (index >= 0 && static_cast<size_t>(index) < shown_.size()) {
                reading_ = true;
                NoteText(shown_[static_cast<size_t>(index)]);
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
        // A reset empties the edit part: its text is asked again.
        if (ShowEntries(static_cast<const ui::ComboBox*>(row_.model)->Items()).reset)
            NoteText(std::nullopt);
        PushText();
    }

    void ReadValue() override {
        const std::string typed = WindowText(control_);
        NoteText(typed);
        row_.model->SetText(typed);
    }
};

}  // namespace

std::unique_ptr<ControlAdapter> MakeListAdapter(const BoundControl& row) {
    return std::make_unique<ListAdapter>(row);
}

std::unique_ptr<ControlAdapter> MakeComboAdapter(const BoundControl& row) {
    return std::make_unique<ComboAdapter>(row);
}

}  // namespace velmora::win32
