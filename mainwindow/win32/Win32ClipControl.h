// The hosted clip control `Flintor1`: the control created by its ProgID in an "AtlAxWin"
// window of the system's ATL host, reached late through IDispatch by dispatch id.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "platform/ClipControl.h"
#include "platform/win32/ComPtr.h"
#include "ui/win32/HostedControl.h"

namespace velmora::win32 {

class Win32ClipControl : public ClipControl, public HostedControl {
public:
    static constexpr char kProgId[] = "AFlintor.Flintor";

    Win32ClipControl() = default;
    ~Win32ClipControl() override;
    Win32ClipControl(const Win32ClipControl&) = delete;
    Win32ClipControl& operator=(const Win32ClipControl&) = delete;

    // Hosts the control in `parent` in place of the child window `placeholderId` (which
    // goes; the host window takes its id, place and size). Without the host or a
    // registered control, the window stays without it and every call does nothing.
    void Create(HWND parent, int placeholderId) override;
    // Lets go of the control; the host window goes with its parent.
    void Release() override;

    // The control's IDispatch, null when it is not there.
    IDispatch* Control() const { return control_.Get(); }
    HWND HostWindow() const { return host_; }

    void SetAniPicture(PicturePtr picture) override;
    void Play() override;
    void SetVisible(bool visible) override;

private:
    HWND host_ = nullptr;
    ComPtr<IDispatch> control_;
    bool visible_ = true;  // kept for a host made later
};

}  // namespace velmora::win32
