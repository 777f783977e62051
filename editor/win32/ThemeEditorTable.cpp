// The theme editor's binding table: the dialog resource IDD_THEMEEDITOR with the models of
// frmThemeEditor and their handlers.
#include "editor/win32/ThemeEditorTable.h"

#include "editor/win32/ThemeEditorRes.h"

namespace velmora::win32 {

FormTable ThemeEditorTable(frmThemeEditor& w, const std::string& themeFile) {
    FormTable table(IDD_THEMEEDITOR);
    table.load = [&w, themeFile] {
        w.Form_Load();
        w.SetThemeFile(themeFile);
    };
    table.keyPress = [&w](int key) { w.Form_KeyPress(key); };
    table.queryUnload = [&w] { return w.Form_QueryUnload(); };
    table.Add(IDC_TEXT1, w.Text1).Stretches().OnChange([&w] { w.Text1_Change(); });
    table.Add(IDC_CMDSAVE, w.cmdSave).FollowsCorner().OnClick([&w] { w.cmdSave_Click(); });
    table.Add(IDC_CMDCLOSE, w.cmdClose).FollowsCorner().OnClick([&w] { w.cmdClose_Click(); });
    return table;
}

}  // namespace velmora::win32
