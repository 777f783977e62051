// The animated clip control `Flintor`.
#include "flintor/Flintor.h"

#include <limits>
#include <utility>

#include "flintor/FlintorErrors.h"

namespace velmora::flintor {

namespace {

// Mouse pointers the surface knows: the standard ones and 99, the custom MouseIcon.
bool IsMousePointer(int pointer) {
    return (pointer >= 0 && pointer <= 15) || pointer == 99;
}

// An OLE colour: RGB, palette index or palette RGB, or one of the system colours.
bool IsOleColor(std::uint32_t color) {
    const std::uint32_t kind = color >> 24;
    if (kind <= 2) return true;
    return kind == 0x80 && (color & 0x00FFFF00u) == 0 && (color & 0xFFu) <= 30;
}

int CheckedStyle(int style) {
    if (style != 0 && style != 1) throw InvalidPropertyValue();
    return style;
}

// Reads with a default, the way saved properties are read: nothing stored gives the
// default, a value that does not convert is the caller's type mismatch.
std::int32_t ReadLong(ClipPropertyBag& bag, const std::string& name, std::int32_t fallback) {
    const PropertyValue value = bag.Read(name, ValueKind::Long);
    if (std::holds_alternative<MissingValue>(value)) return fallback;
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    throw TypeMismatch();
}

// The 16-bit properties: a stored number that does not fit overflows.
int ReadShort(ClipPropertyBag& bag, const std::string& name, int fallback) {
    const std::int32_t value = ReadLong(bag, name, fallback);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw Overflow();
    return value;
}

bool ReadBool(ClipPropertyBag& bag, const std::string& name, bool fallback) {
    const PropertyValue value = bag.Read(name, ValueKind::Bool);
    if (std::holds_alternative<MissingValue>(value)) return fallback;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag;
    throw TypeMismatch();
}

PicturePtr ReadPicture(ClipPropertyBag& bag, const std::string& name) {
    const PropertyValue value = bag.Read(name, ValueKind::Picture);
    if (std::holds_alternative<MissingValue>(value)) return nullptr;
    if (const auto* picture = std::get_if<PicturePtr>(&value)) return *picture;
    throw TypeMismatch();
}

void WriteLong(ClipPropertyBag& bag, const std::string& name, std::int32_t value,
               std::int32_t fallback) {
    if (value != fallback) bag.Write(name, value);
}

}  // namespace

Flintor::Flintor(const Ports& ports, PicturePtr builtInStrip)
    : ports_(ports), builtInStrip_(std::move(builtInStrip)) {
    clip_.SetPicture(builtInStrip_);
    if (clip_.HoldsImage()) clip_.SetGrid(StripGrid::ForPicture(clip_.Width(), clip_.Height()));
    ports_.timer->SetInterval(kDefaultInterval);
    ports_.timer->SetEnabled(false);
}

void Flintor::SetAniPicture(const PicturePtr& picture) {
    if (picture && picture->HasImage() && !picture->CanBeCut()) throw InvalidPicture();
    if (picture) clip_.SetPicture(picture);
    Changed("AniPicture");
    frame_ = 0;
    if (clip_.HoldsImage()) {
        clip_.SetGrid(StripGrid::ForPicture(clip_.Width(), clip_.Height()));
        ports_.surface->Clear();
        ports_.surface->PaintCell(clip_.Picture(), clip_.Cell(0));
        // Interval reaches the timer only here, so a change shows with the next strip.
        ports_.timer->SetInterval(interval_);
        // At run time Play starts the animation; in a designer only the lock holds it.
        if (!UserMode() && !designLock_) ports_.timer->SetEnabled(true);
    } else {
        ports_.surface->Clear();
        ports_.timer->SetEnabled(false);
    }
    Resize();
}

bool Flintor::DesignLock() const {
    if (UserMode()) throw GetNotAtRunTime();
    return designLock_;
}

void Flintor::SetDesignLock(bool lock) {
    if (UserMode()) throw SetNotAtRunTime();
    designLock_ = lock;
    ports_.timer->SetEnabled(!lock);
    Changed("DesignLock");
}

StripCell Flintor::CurrentFrame() const {
    if (!clip_.HoldsImage()) return {};
    return {clip_.Picture(), clip_.Cell(frame_)};
}

void Flintor::SetBorderStyle(int style) {
    borderStyle_ = CheckedStyle(style);
    ports_.surface->ApplyBorderStyle(borderStyle_);
    Changed("BorderStyle");
    Resize();
}

void Flintor::Play() {
    ports_.timer->SetEnabled(true);
}

void Flintor::Pause() {
    ports_.timer->SetEnabled(false);
}

void Flintor::ShowAbout() {
    // The About box is a courtesy: whatever goes wrong in it stays there.
    try {
        if (ports_.about) ports_.about->ShowModal();
    } catch (...) {
    }
}

void Flintor::SetMouseIcon(const PicturePtr& icon) {
    mouseIcon_ = icon;
    ports_.surface->ApplyMouseIcon(mouseIcon_);
    Changed("MouseIcon");
}

void Flintor::SetMousePointer(int pointer) {
    if (!IsMousePointer(pointer)) throw InvalidPropertyValue();
    mousePointer_ = pointer;
    ports_.surface->ApplyMousePointer(pointer);
    Changed("MousePointer");
}

void Flintor::SetInterval(std::int32_t milliseconds) {
    interval_ = milliseconds;
    Changed("Interval");
}

void Flintor::SetBackStyle(int style) {
    backStyle_ = CheckedStyle(style);
    ports_.surface->ApplyBackStyle(backStyle_);
    Changed("BackStyle");
    Resize();
}

void Flintor::SetMaskColor(std::uint32_t color) {
    if (!IsOleColor(color)) throw InvalidPropertyValue();
    maskColor_ = color;
    ports_.surface->ApplyMaskColor(color);
    Changed("MaskColor");
}

void Flintor::SetOLEDropMode(int mode) {
    if (mode < std::numeric_limits<std::int16_t>::min() ||
        mode > std::numeric_limits<std::int16_t>::max())
        throw Overflow();
    oleDropMode_ = mode;
    Changed("OLEDropMode");
}

void Flintor::InitProperties() {
    if (!UserMode()) {
        PictureClip builtIn;
        builtIn.SetPicture(builtInStrip_);
        if (builtIn.HoldsImage()) {
            builtIn.SetGrid(StripGrid::ForPicture(builtIn.Width(), builtIn.Height()));
            ports_.surface->SetBackgroundCell(builtInStrip_, builtIn.Cell(0));
            ports_.surface->PaintCell(builtInStrip_, builtIn.Cell(0));
        }
        SetDesignLock(true);
    } else {
        designLock_ = true;
    }
    interval_ = kDefaultInterval;
    oleDropMode_ = kDefaultOLEDropMode;
}

void Flintor::ReadProperties(ClipPropertyBag& bag) {
    // The order matters: the picture assignment uses the border style and interval read
    // before it, and the design lock read after it settles the designer's timer.
    borderStyle_ = CheckedStyle(ReadShort(bag, "BorderStyle", kDefaultBorderStyle));
    ports_.surface->ApplyBorderStyle(borderStyle_);
    SetInterval(ReadLong(bag, "Interval", kDefaultInterval));
    SetAniPicture(ReadPicture(bag, "AniPicture"));
    if (!UserMode()) {
        SetDesignLock(ReadBool(bag, "DesignLock", kDefaultDesignLock));
    } else {
        // Not applied at run time, but kept, so that saving again does not lose it.
        const PropertyValue saved = bag.Read("DesignLock", ValueKind::Bool);
        if (const auto* flag = std::get_if<bool>(&saved)) designLock_ = *flag;
    }
    mouseIcon_ = ReadPicture(bag, "MouseIcon");
    ports_.surface->ApplyMouseIcon(mouseIcon_);
    const int pointer = ReadShort(bag, "MousePointer", kDefaultMousePointer);
    if (!IsMousePointer(pointer)) throw InvalidPropertyValue();
    mousePointer_ = pointer;
    ports_.surface->ApplyMousePointer(pointer);
    interval_ = ReadLong(bag, "Interval", kDefaultInterval);
    backStyle_ = CheckedStyle(ReadShort(bag, "BackStyle", kDefaultBackStyle));
    ports_.surface->ApplyBackStyle(backStyle_);
    const auto mask = static_cast<std::uint32_t>(
        ReadLong(bag, "MaskColor", static_cast<std::int32_t>(kDefaultMaskColor)));
    if (!IsOleColor(mask)) throw InvalidPropertyValue();
    maskColor_ = mask;
    ports_.surface->ApplyMaskColor(mask);
    oleDropMode_ = ReadShort(bag, "OLEDropMode", kDefaultOLEDropMode);
}

void Flintor::WriteProperties(ClipPropertyBag& bag) const {
    WriteLong(bag, "Interval", interval_, kDefaultInterval);
    if (clip_.Picture()) bag.Write("AniPicture", clip_.Picture());
    if (designLock_ != kDefaultDesignLock) bag.Write("DesignLock", designLock_);
    WriteLong(bag, "BorderStyle", borderStyle_, kDefaultBorderStyle);
    if (mouseIcon_) bag.Write("MouseIcon", mouseIcon_);
    WriteLong(bag, "MousePointer", mousePointer_, kDefaultMousePointer);
    WriteLong(bag, "BackStyle", backStyle_, kDefaultBackStyle);
    WriteLong(bag, "MaskColor", static_cast<std::int32_t>(maskColor_),
              static_cast<std::int32_t>(kDefaultMaskColor));
    WriteLong(bag, "OLEDropMode", oleDropMode_, kDefaultOLEDropMode);
}

void Flintor::Show() {
    if (UserMode() || !clip_.HoldsImage()) return;
    const CellRect first = clip_.Cell(0);
    ports_.surface->SetBackgroundCell(clip_.Picture(), first);
    ports_.surface->PaintCell(clip_.Picture(), first);
}

void Flintor::Resize() {
    int width = kEmptySize;
    int height = kEmptySize;
    if (clip_.HoldsImage()) {
        const int extra = borderStyle_ != 0 ? kBorderExtra : 0;
        width = clip_.CellWidth() + extra;
        height = clip_.CellHeight() + extra;
    }
    if (ports_.surface->Height() != height) ports_.surface->SetHeight(height);
    if (ports_.surface->Width() != width) ports_.surface->SetWidth(width);
}

void Flintor::TimerTick() {
    ports_.surface->Clear();
    if (!clip_.HoldsImage()) return;
    // A horizontal strip counts its columns, anything else (a vertical strip or a single
    // cell) its rows. A single cell just shows itself again: Interval is left alone, so the
    // next strip still animates.
    const int frames = clip_.Cols() > 1 ? clip_.Cols() : clip_.Rows();
    if (frame_ >= frames) frame_ = 0;
    DrawCell(frame_);
    ++frame_;
    if (frame_ >= frames) frame_ = 0;
    ports_.container->RaiseFrameChange();
}

void Flintor::Click() {
    ports_.container->RaiseClick();
}

void Flintor::DrawCell(int index) {
    const CellRect cell = clip_.Cell(index);
    if (backStyle_ == 0) ports_.surface->SetBackgroundCell(clip_.Picture(), cell);
    ports_.surface->PaintCell(clip_.Picture(), cell);
}

}  // namespace velmora::flintor
