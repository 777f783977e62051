// How the dialog binding shows one row of a window's table: an adapter per control kind
// attaches to the real control (or menu entry), pushes the model into it, reads the control
// back into the model before a handler runs, and turns its notifications into handler runs.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/win32/GdiScope.h"
#include "ui/win32/BoundControl.h"

namespace velmora::win32 {

class FormSite;

class ControlAdapter {
public:
    explicit ControlAdapter(BoundControl row) : row_(std::move(row)) {}
    virtual ~ControlAdapter() = default;
    ControlAdapter(const ControlAdapter&) = delete;
    ControlAdapter& operator=(const ControlAdapter&) = delete;

    // Finds the row's control in the window and readies it; a model without text of its own
    // takes the control's design-time caption, so that the window looks right before its
    // load has set anything.
    virtual void Attach(FormSite& site) = 0;
    // Model to control: shows what changed since the last push or read.
    virtual void Push() = 0;
    // Control to model, before a handler runs.
    virtual void Read() {}
    // A WM_COMMAND notification: its code, and the control that sent it (null from a menu).
    virtual void Notify(int code, HWND sender) = 0;
    // The window goes.
    virtual void Detach() {}

    // An owner-drawn control draws itself (WM_DRAWITEM); false when it does not.
    virtual bool Draw(const DRAWITEMSTRUCT&) { return false; }
    // A menu entry: the pop-up it opens (null for a command), and the pop-up that opening the
    // entry's model as a pop-up menu shows (null for none).
    virtual HMENU Submenu() const { return nullptr; }
    virtual HMENU Popup() const { return nullptr; }
    // A static text the window's backdrop shows through.
    virtual bool ShowsBackdrop() const { return false; }
    // A text shown as a link just now.
    virtual bool ShowsLink() const { return false; }

    const BoundControl& Row() const { return row_; }
    // The real control; null for menu entries, hosted controls and controls not found.
    HWND Control() const { return control_; }

protected:
    BoundControl row_;
    HWND control_ = nullptr;
    FormSite* site_ = nullptr;
};

// The adapter of a row's kind.
std::unique_ptr<ControlAdapter> MakeAdapter(const BoundControl& row);

// What the adapters of the dialog's own child controls share: the push and read guards, the
// enabled and visible state with the focus handed on, the tool tip, the fonts, and the mouse
// and keys heard by subclassing.
class ChildAdapter : public ControlAdapter {
public:
    using ControlAdapter::ControlAdapter;

    // The kind's own PushValue, then enabled and visible; a push while the control is read
    // (its model changing under the read) shows nothing.
    void Push() final;
    // The kind's own ReadValue; the model's changes are not pushed back.
    void Read() final;

protected:
    // Finds the control and notes its state; false when the dialog has none with the row's
    // id.
    bool Find(FormSite& site);
    // Hooks the mouse and keys when the row or the window wants them, adds the tool tip and
    // sets the link's or the row's own font.
    void Dress();
    // An empty model takes the control's design-time text.
    void TakeDesignCaption();
    // The model's text, when it differs from what the control shows; true when it was sent.
    bool PushText();
    // The control's text as the user left it (read into the model), or as the control
    // changed it itself (unknown: asked once, at the next push).
    void NoteText(std::optional<std::string> text) { shownText_ = std::move(text); }

    virtual void PushValue() {}
    virtual void ReadValue() {}
    // A control that reports no clicks of its own: its clicks are heard by subclassing.
    virtual bool HearsClicks() const { return false; }

    bool pushing_ = false;  // the control's own notifications of a push are not read back
    bool reading_ = false;  // a read's model changes are not pushed back

private:
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR self, DWORD_PTR);
    LRESULT OnControlMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void SetRowFont();
    // Enabled and visible as the model says; a control going out of reach hands the focus on.
    void PushState();

    OwnedGdiObject<HFONT> font_;  // the row's own font
    // What the control shows, as last pushed or read: a push sends only what differs, and
    // never asks the control first. Controls change these only through the user, whose
    // changes the kind's read notes.
    std::optional<std::string> shownText_;
    bool shownEnabled_ = true;
    bool shownVisible_ = true;
};

// Makers of the adapters, by kind.
std::unique_ptr<ControlAdapter> MakeTextAdapter(const BoundControl& row);
std::unique_ptr<ControlAdapter> MakeCheckAdapter(const BoundControl& row);
std::unique_ptr<ControlAdapter> MakeButtonAdapter(const BoundControl& row);
std::unique_ptr<ControlAdapter> MakeListAdapter(const BoundControl& row);
std::unique_ptr<ControlAdapter> MakeComboAdapter(const BoundControl& row);
std::unique_ptr<ControlAdapter> MakePictureAdapter(const BoundControl& row);
std::unique_ptr<ControlAdapter> MakeMenuAdapter(const BoundControl& row);

// The text of a window or control.
std::string WindowText(HWND window);

}  // namespace velmora::win32
