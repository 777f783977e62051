// One row of a window's binding table: a control (or menu entry) of the dialog resource,
// the model that mirrors it and the handlers its notifications run.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "ui/Controls.h"

namespace velmora::win32 {

class HostedControl;

// What the model is; the binding mirrors the properties of that kind.
enum class ControlKind { Text, Check, Button, List, Combo, Picture, Menu, Hosted };

struct BoundControl {
    BoundControl(int id, ControlKind kind, ui::Control* model, HostedControl* hosted = nullptr)
        : id(id), kind(kind), model(model), hosted(hosted) {}

    // Handlers, set by name so that a table reads one line per control.
    // Click: a button, box or picture clicked, a list or combo selection made, a menu entry
    // chosen; for a menu that opens a pop-up, the pop-up about to open.
    BoundControl& OnClick(std::function<void()> handler) {
        click = std::move(handler);
        return *this;
    }
    // Change: the text of a text box changed, by the user or by the program.
    BoundControl& OnChange(std::function<void()> handler) {
        change = std::move(handler);
        return *this;
    }
    // A mouse button pressed over the control: 1 left, 2 right, 4 middle.
    BoundControl& OnMouseDown(std::function<void(int button)> handler) {
        mouseDown = std::move(handler);
        return *this;
    }
    BoundControl& OnMouseMove(std::function<void()> handler) {
        mouseMove = std::move(handler);
        return *this;
    }
    BoundControl& OnKeyUp(std::function<void(int keyCode)> handler) {
        keyUp = std::move(handler);
        return *this;
    }
    // A key pressed while the control has the focus (virtual-key code), before the dialog
    // manager acts on it; with claimEnter, Enter is the control's and never the default
    // button's.
    BoundControl& OnKeyDown(std::function<void(int keyCode)> handler, bool claimEnter = false) {
        keyDown = std::move(handler);
        claimsEnter = claimEnter;
        return *this;
    }
    // The context-menu key (or Shift+F10) pressed while the control has the focus.
    BoundControl& OnContextKey(std::function<void()> handler) {
        contextKey = std::move(handler);
        return *this;
    }
    // Grows with the window (stretch) or keeps its distance to the window's bottom right
    // corner (follow), as the user resizes a window that can be resized.
    BoundControl& Stretches() {
        anchor = Anchor::Stretch;
        return *this;
    }
    BoundControl& FollowsCorner() {
        anchor = Anchor::Follow;
        return *this;
    }
    BoundControl& OnGotFocus(std::function<void()> handler) {
        gotFocus = std::move(handler);
        return *this;
    }
    // A text that may show as a link: blue, underlined, with the hand pointer, whenever its
    // model says so (ui::TextBox::Link).
    BoundControl& AsLink() {
        link = true;
        return *this;
    }
    // A picture box's design-time picture, a bitmap resource drawn centred until the
    // program draws something else.
    BoundControl& WithPicture(int bitmapId) {
        designBitmap = bitmapId;
        return *this;
    }

    // A text drawn in this font instead of the window's.
    BoundControl& WithFont(std::string face, int points) {
        fontFace = std::move(face);
        fontPoints = points;
        return *this;
    }
    // A picture box whose design picture is the window's backdrop: the window takes the
    // picture's size, the box fills it, and the static texts show it through, in textColour.
    BoundControl& AsBackdrop(COLORREF textColour) {
        backdrop = true;
        backdropText = textColour;
        return *this;
    }

    int id;
    ControlKind kind;
    ui::Control* model;     // null only for a hosted control
    HostedControl* hosted;  // a hosted control's row
    std::function<void()> click;
    std::function<void()> change;
    std::function<void(int)> mouseDown;
    std::function<void()> mouseMove;
    std::function<void(int)> keyUp;
    std::function<void(int)> keyDown;
    bool claimsEnter = false;
    std::function<void()> contextKey;
    enum class Anchor { None, Stretch, Follow } anchor = Anchor::None;
    std::function<void()> gotFocus;
    bool link = false;
    int designBitmap = 0;
    std::string fontFace;
    int fontPoints = 0;
    bool backdrop = false;
    COLORREF backdropText = 0;
};

}  // namespace velmora::win32
