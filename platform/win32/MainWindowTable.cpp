// The main window's binding table: every control and menu entry of the dialog resource
// IDD_MAINWINDOW with the model of InstalledThemes that mirrors it and its handlers.
#include "platform/win32/MainWindowTable.h"

#include <array>

#include "platform/win32/resources/MainWindowRes.h"

namespace velmora::win32 {

namespace {

// A menu array: contiguous ids from the first entry's, one handler taking the index.
template <size_t N>
void AddMenuArray(FormTable& table, int firstId, std::array<ui::MenuItem, N>& entries,
                  std::function<void(int)> click) {
    for (size_t i = 0; i < N; ++i) {
        const int index = static_cast<int>(i);
        table.Add(firstId + index, entries[i]).OnClick([click, index] { click(index); });
    }
}

}  // namespace

FormTable MainWindowTable(InstalledThemes& w, Win32ClipControl& clip) {
    FormTable table(IDD_MAINWINDOW);
    table.popupMenus = {IDR_POPUPMENUS};
    table.load = [&w] { w.Form_Load(); };
    table.activate = [&w] { w.Form_Activate(); };
    table.keyPress = [&w](int key) { w.Form_KeyPress(key); };
    table.unload = [&w] { w.Form_Unload(); };

    table.Add(IDC_TXTSEARCH, w.txtSearch)
        .OnKeyUp([&w](int key) { w.txtSearch_KeyUp(key); })
        .OnGotFocus([&w] { w.txtSearch_GotFocus(); });
    table.Add(IDC_LIST1, w.List1).OnClick([&w] { w.List1_Click(); }).OnMouseDown([&w](int button) {
        w.List1_MouseDown(button);
    });
    table.Add(IDC_IMAGE1, w.Image1).WithPicture(IDB_GALLERY).OnClick([&w] { w.Image1_Click(); });

    for (size_t i = 0; i < w.Label1.size(); ++i)
        table.Add(IDC_LABEL1 + static_cast<int>(i), w.Label1[i]);
    table.Add(IDC_TXTTHEMETITLE, w.txtThemeTitle).OnChange([&w] { w.txtThemeTitle_Change(); });
    table.Add(IDC_TXTAUTHOR, w.txtAuthor);
    table.Add(IDC_TXTWEBSITE, w.txtWebSite).AsLink().OnClick([&w] { w.txtWebSite_Click(); });
    table.Add(IDC_TXTTHEMEDESCRIPTION, w.txtThemeDescription);
    table.Add(IDC_TXTTHEMEFILE, w.txtThemeFile);
    table.Add(IDC_COMBO1, w.Combo1).OnClick([&w] { w.Combo1_Click(); });

    table.Add(IDC_IMGEXPLORER, w.imgExplorer)
        .WithPicture(IDB_EXPLORER)
        .OnMouseDown([&w](int button) { w.imgExplorer_MouseDown(button); });
    table.Add(IDC_PICBACKBITMAP, w.picBackBitmap).OnMouseDown([&w](int button) {
        w.picBackBitmap_MouseDown(button);
    });
    table.Add(IDC_FLINTOR1, clip);

    for (size_t i = 0; i < w.chkLink.size(); ++i) {
        const int index = static_cast<int>(i);
        table.Add(IDC_CHKLINK + index, w.chkLink[i])
            .OnClick([&w, index] { w.chkLink_Click(index); })
            .OnMouseMove([&w, index] { w.chkLink_MouseMove(index); });
    }
    table.Add(IDC_CMDAPPLY, w.cmdApply).OnClick([&w] { w.cmdApply_Click(); });
    table.Add(IDC_CMDUNINSTALL, w.cmdUnInstall).OnClick([&w] { w.cmdUnInstall_Click(); });
    table.Add(IDC_CMDCANCEL, w.cmdCancel).OnClick([&w] { w.cmdCancel_Click(); });

    // A top menu's click refreshes its entries as it drops down.
    table.Add(IDM_MNUFILE, w.mnuFile).OnClick([&w] { w.mnuFile_Click(); });
    table.Add(IDM_MNUEDIT, w.mnuEdit).OnClick([&w] { w.mnuEdit_Click(); });
    table.Add(IDM_MNUREPAIR, w.mnuRepair);
    table.Add(IDM_MNUTOOLS, w.mnuTools);
    table.Add(IDM_MNUHELP, w.mnuHelp).OnClick([&w] { w.mnuHelp_Click(); });
    table.Add(IDM_MNUTOOLBAR, w.mnuToolbar);
    AddMenuArray(table, IDM_PMUFILE, w.pmuFile, [&w](int i) { w.pmuFile_Click(i); });
    AddMenuArray(table, IDM_PMUEDIT, w.pmuEdit, [&w](int i) { w.pmuEdit_Click(i); });
    AddMenuArray(table, IDM_PMUREPAIR, w.pmuRepair, [&w](int i) { w.pmuRepair_Click(i); });
    AddMenuArray(table, IDM_PMUHOME, w.pmuHome, [&w](int i) { w.pmuHome_Click(i); });
    AddMenuArray(table, IDM_PMULAYOUT, w.pmuLayout, [&w](int i) { w.pmuLayout_Click(i); });
    AddMenuArray(table, IDM_PMUTOOLS, w.pmuTools, [&w](int i) { w.pmuTools_Click(i); });
    AddMenuArray(table, IDM_PMUHELP, w.pmuHelp, [&w](int i) { w.pmuHelp_Click(i); });
    AddMenuArray(table, IDM_PMUTOOLBAR, w.pmuToolbar, [&w](int i) { w.pmuToolbar_Click(i); });
    return table;
}

}  // namespace velmora::win32
