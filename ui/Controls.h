// Portable models of the controls a window shows: what each control holds, nothing of how it
// is drawn. Windows own them under their design names; the platform binding mirrors them.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Pictures.h"

namespace velmora::ui {

// What every control has. Setting a property to a new value notifies the one listener (the
// window binding, which then pushes the model to the real control); setting the same value
// again notifies nothing.
class Control {
public:
    virtual ~Control() = default;
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { Set(text_, text); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Set(enabled_, enabled); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Set(visible_, visible); }
    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& tag) { Set(tag_, tag); }
    const std::string& ToolTip() const { return toolTip_; }
    void SetToolTip(const std::string& tip) { Set(toolTip_, tip); }

    // One listener at a time; null removes it.
    void SetListener(std::function<void()> listener) { listener_ = std::move(listener); }

protected:
    template <typename T>
    void Set(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed() {
        if (listener_) listener_();
    }

private:
    std::string text_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string tag_;
    std::string toolTip_;
    std::function<void()> listener_;
};

// A one- or many-line text box with its selection.
class TextBox : public Control {
public:
    // Shown as a link (blue, underlined, the hand pointer), where the window allows links.
    bool Link() const { return link_; }
    void SetLink(bool link) { Set(link_, link); }
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    // One change for both, so that the binding shows the selection once.
    void SetSelection(int start, int length) {
        if (start == selStart_ && length == selLength_) return;
        selStart_ = start;
        selLength_ = length;
        Changed();
    }

private:
    bool link_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
};

// A check box; value 0 unticked, 1 ticked.
class CheckBox : public Control {
public:
    int Value() const { return value_; }
    void SetValue(int value) { Set(value_, value); }

private:
    int value_ = 0;
};

class Button : public Control {};

// A list in the order entries are added (never sorted); -1 is no selection.
class ListBox : public Control {
public:
    const std::vector<std::string>& Items() const { return items_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const { return items_.at(static_cast<size_t>(index)); }
    void Clear() {
        items_.clear();
        listIndex_ = -1;
        Changed();
    }
    // The whole list at once, without a selection: one change for the binding to show,
    // where adding entry by entry would show each one.
    void SetItems(std::vector<std::string> items) {
        items_ = std::move(items);
        listIndex_ = -1;
        Changed();
    }
    void AddItem(const std::string& item) {
        items_.push_back(item);
        Changed();
    }
    void InsertItem(int index, const std::string& item) {
        items_.insert(items_.begin() + index, item);
        Changed();
    }
    void RemoveItem(int index) {
        items_.erase(items_.begin() + index);
        if (listIndex_ >= ListCount()) listIndex_ = -1;
        Changed();
    }
    int ListIndex() const { return listIndex_; }
    // Only changes the model; the window decides whether a selection runs its click handler.
    void SetListIndex(int index) { Set(listIndex_, index); }
    // The selected entry's text, or empty without a selection.
    std::string SelectedText() const {
        return listIndex_ >= 0 && listIndex_ < ListCount() ? List(listIndex_) : std::string();
    }

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

// An editable combo box: its text and its drop-down entries.
class ComboBox : public Control {
public:
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items) { Set(items_, items); }

private:
    std::vector<std::string> items_;
};

// One draw of a picture into a picture box, in pixels of the box; drawing beyond the box is
// clipped by the platform.
struct DrawRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const DrawRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// A picture box: a picture drawn as a list of rectangles (empty when the box is clear).
class PictureBox : public Control {
public:
    int ScaleWidth() const { return width_; }
    int ScaleHeight() const { return height_; }
    // The binding tells the model the size of the real box.
    void SetSize(int width, int height) {
        Set(width_, width);
        Set(height_, height);
    }
    const PicturePtr& Picture() const { return picture_; }
    const std::vector<DrawRect>& Draws() const { return draws_; }
    void Draw(PicturePtr picture, std::vector<DrawRect> draws) {
        picture_ = std::move(picture);
        draws_ = std::move(draws);
        Changed();
    }
    void ClearDrawing() { Draw(nullptr, {}); }

private:
    int width_ = 0, height_ = 0;
    PicturePtr picture_;
    std::vector<DrawRect> draws_;
};

// A menu entry: caption (with its access letter), enabled, ticked, visible.
class MenuItem : public Control {
public:
    const std::string& Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { Set(checked_, checked); }

private:
    bool checked_ = false;
};

// text as a caption shows it literally: every "&" doubled, so that none marks an access key.
inline std::string LiteralCaption(const std::string& text) {
    std::string caption;
    for (const char c : text) caption += c == '&' ? std::string("&&") : std::string(1, c);
    return caption;
}

// A menu's entries as the menu shows them (separators count), indexed by an enumeration of
// them in that order whose last member is Count.
template <typename Entry>
class MenuEntries {
public:
    static constexpr std::size_t kCount = static_cast<std::size_t>(Entry::Count);

    MenuItem& operator[](Entry entry) { return items_[static_cast<std::size_t>(entry)]; }
    const MenuItem& operator[](Entry entry) const {
        return items_[static_cast<std::size_t>(entry)];
    }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

private:
    std::array<MenuItem, kCount> items_;
};

}  // namespace velmora::ui
