// Scope guards for the control's GDI resources: the program's own guards, under the names the
// control's code uses.
#pragma once

#include "platform/win32/GdiScope.h"

namespace velmora::flintor::win32 {

using velmora::win32::MemoryDC;
using velmora::win32::WindowDC;
using Selection = velmora::win32::SelectedObject;
template <class Handle>
using GdiObject = velmora::win32::OwnedGdiObject<Handle>;

}  // namespace velmora::flintor::win32
