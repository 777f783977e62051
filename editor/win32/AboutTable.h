// The About window's binding table: the dialog resource IDD_ABOUT with the labels of
// AboutVelmora over its background picture.
#pragma once

#include "editor/AboutVelmora.h"
#include "ui/win32/FormTable.h"

namespace velmora::win32 {

FormTable AboutTable(AboutVelmora& window);

}  // namespace velmora::win32
