// The program's other windows on Windows: each shown modally through the dialog binding,
// over the window that asks.
#include "editor/win32/Win32Forms.h"

#include "editor/AboutVelmora.h"
#include "editor/frmThemeEditor.h"
#include "editor/win32/AboutTable.h"
#include "ui/win32/DialogBinding.h"
#include "editor/win32/ThemeEditorTable.h"

namespace velmora::win32 {

void Win32Forms::ShowThemeEditor(const std::string& themeFile, WindowHandle owner) {
    // Declared in this order so that the binding outlives the window object.
    DialogBinding binding(platform_, resources_);
    frmThemeEditor editor(platform_, binding);
    binding.RunModal(ThemeEditorTable(editor, themeFile), reinterpret_cast<HWND>(owner));
}

void Win32Forms::ShowAbout(WindowHandle owner) {
    DialogBinding binding(platform_, resources_);
    AboutVelmora about(platform_, binding);
    binding.RunModal(AboutTable(about), reinterpret_cast<HWND>(owner));
}

}  // namespace velmora::win32
