// Doubles of the control's ports: pictures of a given size and their codec, and a control
// wired to a recording timer, surface, container and About box.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "flintor/AboutBox.h"
#include "flintor/ClipContainer.h"
#include "flintor/ClipSurface.h"
#include "flintor/ClipTimer.h"
#include "flintor/Flintor.h"
#include "flintor/FlintorErrors.h"
#include "flintor/PictureCodec.h"
#include "flintor/StreamPropertyBag.h"
#include "platform/RuntimeError.h"

namespace velmora::flintor::test {

using Cells = std::vector<std::string>;

struct FakePicture : Picture {
    FakePicture(int w, int h, bool image, bool cut) : width(w), height(h), image(image), cut(cut) {}
    bool HasImage() const override { return image; }
    int PixelWidth() const override { return width; }
    int PixelHeight() const override { return height; }
    bool CanBeCut() const override { return cut; }
    int width, height;
    bool image, cut;
};
inline PicturePtr MakePicture(int width, int height, bool image = true, bool cut = true) {
    return std::make_shared<FakePicture>(width, height, image, cut);
}
inline std::string Dims(const PicturePtr& p) {
    return p ? std::to_string(p->PixelWidth()) + "x" + std::to_string(p->PixelHeight()) : "none";
}

// Pictures as "<width>x<height>" text, each side at most nine digits. Anything else, or
// anything once broken, is not a picture (error 481, as the real codec raises it).
struct TextPictureCodec : PictureCodec {
    std::vector<std::uint8_t> Encode(const Picture& picture) override {
        const std::string text = Dims(MakePicture(picture.PixelWidth(), picture.PixelHeight()));
        return {text.begin(), text.end()};
    }
    PicturePtr Decode(const std::vector<std::uint8_t>& bytes) override {
        const std::string text(bytes.begin(), bytes.end());
        char w[10], h[10];
        int used = -1;
        if (broken || std::sscanf(text.c_str(), "%9[0-9]x%9[0-9]%n", w, h, &used) != 2 ||
            used != static_cast<int>(text.size()))
            throw InvalidPicture();
        return MakePicture(std::atoi(w), std::atoi(h));
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

// "Interval BorderStyle BackStyle MaskColor MousePointer OLEDropMode".
inline std::string Properties(const Flintor& c) {
    char text[96];
    std::snprintf(text, sizeof text, "%d %d %d %08X %d %d", int(c.Interval()), c.BorderStyle(),
                  c.BackStyle(), unsigned(c.MaskColor()), c.MousePointer(), c.OLEDropMode());
    return text;
}

// A control whose timer, surface, container and About box are this object, recording what
// it is asked; it holds a 38 x 1558 built-in strip (41 cells), and runTime false puts it in a
// designer. The surface logs "clear", "paint <left>,<top>", "background <left>,<top>";
// `applied` is "BorderStyle BackStyle MaskColor MousePointer MouseIcon".
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
    void ApplyBorderStyle(int style) override { applied[0] = std::to_string(style); }
    void ApplyBackStyle(int style) override { applied[1] = std::to_string(style); }
    void ApplyMaskColor(std::uint32_t color) override { applied[2] = std::to_string(color); }
    void ApplyMousePointer(int pointer) override { applied[3] = std::to_string(pointer); }
    void ApplyMouseIcon(const PicturePtr& icon) override { applied[4] = Dims(icon); }
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

    int interval = -1, width = 0, height = 0, frameChanges = 0, clicks = 0, aboutShown = 0;
    bool enabled = true, userMode;  // the control must say how its timer starts
    Cells log, changed, applied = Cells(5);
    PicturePtr lastStrip, builtIn = MakePicture(38, 1558);
    std::function<void()> onFrameChange;
    std::unique_ptr<Flintor> control;
};

}  // namespace velmora::flintor::test
