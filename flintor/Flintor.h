// The animated clip control `Flintor`: plays a strip of equal frames held in one picture,
// one frame per timer tick. Everything it decides lives here; the COM shell only forwards.
#pragma once

#include <cstdint>
#include <string>

#include "flintor/AboutBox.h"
#include "flintor/ClipContainer.h"
#include "flintor/ClipPropertyBag.h"
#include "flintor/ClipSurface.h"
#include "flintor/ClipTimer.h"
#include "flintor/PictureClip.h"
#include "flintor/StripCell.h"

namespace velmora::flintor {

// Defaults of the saved properties (a value equal to its default is not stored).
inline constexpr std::int32_t kDefaultInterval = 100;
inline constexpr bool kDefaultDesignLock = true;
inline constexpr int kDefaultBorderStyle = 0;
inline constexpr int kDefaultMousePointer = 0;
inline constexpr int kDefaultBackStyle = 1;
inline constexpr std::uint32_t kDefaultMaskColor = 0x8000000F;  // the button-face colour
inline constexpr int kDefaultOLEDropMode = 0;

// Size of a control that holds no image, and what a border adds to each side's length.
inline constexpr int kEmptySize = 32;
inline constexpr int kBorderExtra = 4;

class Flintor {
public:
    struct Ports {
        ClipTimer* timer = nullptr;
        ClipSurface* surface = nullptr;
        ClipContainer* container = nullptr;
        AboutBox* about = nullptr;
    };

    // The control starts holding the built-in strip, its timer disabled at 100 ms.
    Flintor(const Ports& ports, PicturePtr builtInStrip);

    // Properties and methods, as the control publishes them. Setters throw RuntimeError
    // (380 for a value out of range, 382/393 for DesignLock at run time, 481 for a strip
    // that is not a bitmap); the caller sees it and the control stays as it was.
    const PicturePtr& AniPicture() const { return clip_.Picture(); }
    void SetAniPicture(const PicturePtr& picture);
    bool DesignLock() const;
    void SetDesignLock(bool lock);
    // The cell the next tick shows; a null strip when no image is held.
    StripCell CurrentFrame() const;
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);
    void Play();
    void Pause();
    void ShowAbout();
    const PicturePtr& MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(const PicturePtr& icon);
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer);
    std::int32_t Interval() const { return interval_; }
    void SetInterval(std::int32_t milliseconds);
    int BackStyle() const { return backStyle_; }
    void SetBackStyle(int style);
    std::uint32_t MaskColor() const { return maskColor_; }
    void SetMaskColor(std::uint32_t color);
    int OLEDropMode() const { return oleDropMode_; }
    void SetOLEDropMode(int mode);
    void OLEDrag() {}

    // What the container and the surface tell the control.
    void InitProperties();                      // a new instance, nothing saved
    void ReadProperties(ClipPropertyBag& bag);  // saved properties, in their fixed order
    void WriteProperties(ClipPropertyBag& bag) const;
    void Show();    // the control is being shown
    void Resize();  // the surface was resized
    void TimerTick();
    void Click();

    const PictureClip& Clip() const { return clip_; }
    int FrameCounter() const { return frame_; }

private:
    bool UserMode() const { return ports_.container->UserMode(); }
    void Changed(const std::string& name) { ports_.container->PropertyChanged(name); }
    void DrawCell(int index);

    Ports ports_;
    PicturePtr builtInStrip_;
    PictureClip clip_;
    std::int32_t interval_ = kDefaultInterval;
    bool designLock_ = kDefaultDesignLock;
    int borderStyle_ = kDefaultBorderStyle;
    int backStyle_ = kDefaultBackStyle;
    std::uint32_t maskColor_ = kDefaultMaskColor;
    int mousePointer_ = kDefaultMousePointer;
    PicturePtr mouseIcon_;
    int oleDropMode_ = kDefaultOLEDropMode;
    int frame_ = 0;  // the next cell to draw
};

}  // namespace velmora::flintor
