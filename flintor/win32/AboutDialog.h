// The About box window: the dialog resource bound to the AboutAFlintor model.
#pragma once

#include <windows.h>

#include "flintor/AboutBox.h"

namespace velmora::flintor::win32 {

class AboutDialog : public AboutBox {
public:
    // Modal to the active window; returns once "Ok" (or Escape) closed it.
    void ShowModal() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace velmora::flintor::win32
