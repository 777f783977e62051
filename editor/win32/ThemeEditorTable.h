// The theme editor's binding table: the dialog resource IDD_THEMEEDITOR with the models of
// frmThemeEditor and their handlers.
#pragma once

#include <string>

#include "editor/frmThemeEditor.h"
#include "ui/win32/FormTable.h"

namespace velmora::win32 {

// The window loads, then takes themeFile, before it shows.
FormTable ThemeEditorTable(frmThemeEditor& window, const std::string& themeFile);

}  // namespace velmora::win32
