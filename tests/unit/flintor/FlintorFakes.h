// Doubles of the control's ports: pictures of a given size, a recording timer, surface,
// container and About box, and an in-memory property bag.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "flintor/AboutBox.h"
#include "flintor/ClipContainer.h"
#include "flintor/ClipPropertyBag.h"
#include "flintor/ClipSurface.h"
#include "flintor/ClipTimer.h"
#include "flintor/Flintor.h"
#include "flintor/Picture.h"

namespace velmora::flintor::test {

class FakePicture : public Picture {
public:
    FakePicture(int width, int height, bool hasImage = true, bool canBeCut = true)
        : width_(width), height_(height), hasImage_(hasImage), canBeCut_(canBeCut) {}
    bool HasImage() const override { return hasImage_; }
    int PixelWidth() const override { return width_; }
    int PixelHeight() const override { return height_; }
    bool CanBeCut() const override { return canBeCut_; }

private:
    int width_;
    int height_;
    bool hasImage_;
    bool canBeCut_;
};

inline PicturePtr MakePicture(int width, int height) {
    return std::make_shared<FakePicture>(width, height);
}

// A picture object that carries no image (handle 0).
inline PicturePtr MakeEmptyPicture() {
    return std::make_shared<FakePicture>(0, 0, false);
}

class FakeTimer : public ClipTimer {
public:
    void SetInterval(int milliseconds) override { interval = milliseconds; }
    void SetEnabled(bool on) override { enabled = on; }
    int interval = -1;
    bool enabled = false;
};

// Records what is drawn: "clear", "paint <left>,<top>", "background <left>,<top>".
class FakeSurface : public ClipSurface {
public:
    void Clear() override { log.push_back("clear"); }
    void PaintCell(const PicturePtr& strip, const CellRect& cell) override {
        lastStrip = strip;
        lastPainted = cell;
        log.push_back("paint " + Where(cell));
    }
    void SetBackgroundCell(const PicturePtr&, const CellRect& cell) override {
        log.push_back("background " + Where(cell));
    }
    void ApplyBorderStyle(int style) override { borderStyle = style; }
    void ApplyBackStyle(int style) override { backStyle = style; }
    void ApplyMaskColor(std::uint32_t color) override { maskColor = color; }
    void ApplyMousePointer(int pointer) override { mousePointer = pointer; }
    void ApplyMouseIcon(const PicturePtr& icon) override { mouseIcon = icon; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void SetWidth(int pixels) override { width = pixels; }
    void SetHeight(int pixels) override { height = pixels; }

    // Cells painted since the log was last emptied, as "left,top".
    std::vector<std::string> Painted() const {
        std::vector<std::string> cells;
        for (const std::string& entry : log)
            if (entry.rfind("paint ", 0) == 0) cells.push_back(entry.substr(6));
        return cells;
    }

    static std::string Where(const CellRect& cell) {
        return std::to_string(cell.left) + "," + std::to_string(cell.top);
    }

    std::vector<std::string> log;
    PicturePtr lastStrip;
    CellRect lastPainted;
    int width = 0;
    int height = 0;
    int borderStyle = 0;
    int backStyle = 1;
    std::uint32_t maskColor = 0;
    int mousePointer = 0;
    PicturePtr mouseIcon;
};

class FakeContainer : public ClipContainer {
public:
    bool UserMode() const override { return userMode; }
    void PropertyChanged(const std::string& name) override { changed.push_back(name); }
    void RaiseFrameChange() override {
        ++frameChanges;
        if (onFrameChange) onFrameChange();
    }
    void RaiseClick() override { ++clicks; }

    bool userMode = true;
    std::vector<std::string> changed;
    int frameChanges = 0;
    int clicks = 0;
    std::function<void()> onFrameChange;
};

class FakeAboutBox : public AboutBox {
public:
    void ShowModal() override {
        ++shown;
        if (fail) throw std::runtime_error("no window");
    }
    int shown = 0;
    bool fail = false;
};

// Stores values as written; reads give them back when the kind matches, log every name
// read, and can be primed with values of the wrong kind.
class FakeBag : public ClipPropertyBag {
public:
    PropertyValue Read(const std::string& name, ValueKind kind) override {
        reads.push_back(name);
        auto it = values.find(name);
        if (it == values.end()) return MissingValue{};
        const PropertyValue& value = it->second;
        const bool fits =
            (kind == ValueKind::Long && std::holds_alternative<std::int32_t>(value)) ||
            (kind == ValueKind::Bool && std::holds_alternative<bool>(value)) ||
            (kind == ValueKind::Picture && std::holds_alternative<PicturePtr>(value));
        if (!fits) return MismatchedValue{};
        return value;
    }
    void Write(const std::string& name, const PropertyValue& value) override {
        written.push_back(name);
        values[name] = value;
    }

    std::map<std::string, PropertyValue> values;
    std::vector<std::string> reads;
    std::vector<std::string> written;
};

// A control wired to doubles, holding a 38 x 1558 built-in strip (41 cells).
struct FlintorRig {
    explicit FlintorRig(bool userMode = true) {
        container.userMode = userMode;
        builtIn = MakePicture(38, 1558);
        control = std::make_unique<Flintor>(Flintor::Ports{&timer, &surface, &container, &about},
                                            builtIn);
    }
    FakeTimer timer;
    FakeSurface surface;
    FakeContainer container;
    FakeAboutBox about;
    PicturePtr builtIn;
    std::unique_ptr<Flintor> control;
};

}  // namespace velmora::flintor::test
