// Doubles of the control's ports: pictures of a given size and their codec, an in-memory
// property bag, and a control wired to a recording timer, surface, container and About box.
#pragma once

#include <cstdio>
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
#include "flintor/FlintorErrors.h"
#include "flintor/Picture.h"
#include "flintor/PictureCodec.h"
#include "platform/RuntimeError.h"

namespace velmora::flintor::test {

struct FakePicture : Picture {
    FakePicture(int w, int h, bool image = true, bool cut = true)
        : width(w), height(h), hasImage(image), canBeCut(cut) {}
    bool HasImage() const override { return hasImage; }
    int PixelWidth() const override { return width; }
    int PixelHeight() const override { return height; }
    bool CanBeCut() const override { return canBeCut; }
    int width, height;
    bool hasImage, canBeCut;
};

inline PicturePtr MakePicture(int width, int height) {
    return std::make_shared<FakePicture>(width, height);
}
// A picture object that carries no image (handle 0).
inline PicturePtr MakeEmptyPicture() {
    return std::make_shared<FakePicture>(0, 0, false);
}

// Pictures as "<width>x<height>" text. Anything else, or anything once broken, is not a
// picture (error 481, as the real codec raises it).
class TextPictureCodec : public PictureCodec {
public:
    std::vector<std::uint8_t> Encode(const Picture& picture) override {
        const std::string text =
            std::to_string(picture.PixelWidth()) + "x" + std::to_string(picture.PixelHeight());
        return {text.begin(), text.end()};
    }
    PicturePtr Decode(const std::vector<std::uint8_t>& bytes) override {
        int sides[2] = {0, 0};
        std::size_t side = 0, digits = 0;
        for (const std::uint8_t byte : bytes) {
            if (byte == 'x' && side == 0 && digits > 0) {
                side = 1;
                digits = 0;
            } else if (byte >= '0' && byte <= '9' && digits < 9) {
                sides[side] = sides[side] * 10 + (byte - '0');
                ++digits;
            } else {
                throw InvalidPicture();
            }
        }
        if (broken || side != 1 || digits == 0) throw InvalidPicture();
        return MakePicture(sides[0], sides[1]);
    }
    bool broken = false;
};

// The run-time error number `action` throws; 0 when it throws none.
inline long ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

// The control's plain properties: "Interval BorderStyle BackStyle MaskColor MousePointer
// OLEDropMode".
inline std::string Properties(const Flintor& c) {
    char text[96];
    std::snprintf(text, sizeof text, "%d %d %d %08X %d %d", static_cast<int>(c.Interval()),
                  c.BorderStyle(), c.BackStyle(), static_cast<unsigned>(c.MaskColor()),
                  c.MousePointer(), c.OLEDropMode());
    return text;
}

// Stores values as written; a read logs the name and gives the value back when its kind
// matches. Can be primed with values of the wrong kind.
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
        return fits ? value : PropertyValue{MismatchedValue{}};
    }
    void Write(const std::string& name, const PropertyValue& value) override {
        written.push_back(name);
        values[name] = value;
    }

    std::map<std::string, PropertyValue> values;
    std::vector<std::string> reads, written;
};

// A control whose timer, surface, container and About box are this object, recording what
// it is asked; the control holds a 38 x 1558 built-in strip (41 cells). userMode false puts
// it in a designer. The surface logs "clear", "paint <left>,<top>", "background <l>,<t>".
struct FlintorRig : ClipTimer, ClipSurface, ClipContainer, AboutBox {
    explicit FlintorRig(bool runTime = true) : userMode(runTime) {
        control = std::make_unique<Flintor>(Flintor::Ports{this, this, this, this}, builtIn);
    }
    void SetInterval(int milliseconds) override { interval = milliseconds; }
    void SetEnabled(bool on) override { enabled = on; }
    void Clear() override { log.push_back("clear"); }
    void PaintCell(const PicturePtr& strip, const CellRect& cell) override {
        lastStrip = strip;
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
    bool UserMode() const override { return userMode; }
    void PropertyChanged(const std::string& name) override { changed.push_back(name); }
    void RaiseFrameChange() override {
        ++frameChanges;
        if (onFrameChange) onFrameChange();
    }
    void RaiseClick() override { ++clicks; }
    void ShowModal() override {
        ++aboutShown;
        throw std::runtime_error("no window");
    }

    static std::string Where(const CellRect& cell) {
        return std::to_string(cell.left) + "," + std::to_string(cell.top);
    }
    std::string Size() const { return std::to_string(width) + "x" + std::to_string(height); }
    // Cells painted since the log was last emptied, as "left,top".
    std::vector<std::string> Painted() const {
        std::vector<std::string> cells;
        for (const std::string& entry : log)
            if (entry.rfind("paint ", 0) == 0) cells.push_back(entry.substr(6));
        return cells;
    }
    // Ticks `times` times; the cells painted.
    std::vector<std::string> Tick(int times) {
        log.clear();
        for (int i = 0; i < times; ++i) control->TimerTick();
        return Painted();
    }

    int interval = -1, width = 0, height = 0, borderStyle = -1, backStyle = -1, mousePointer = -1;
    int frameChanges = 0, clicks = 0, aboutShown = 0;
    std::uint32_t maskColor = 0;
    bool enabled = true, userMode;  // the control must say how its timer starts
    std::vector<std::string> log, changed;
    PicturePtr lastStrip, mouseIcon, builtIn = MakePicture(38, 1558);
    std::function<void()> onFrameChange;
    std::unique_ptr<Flintor> control;
};

using Cells = std::vector<std::string>;

}  // namespace velmora::flintor::test
