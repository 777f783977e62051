// The main window's binding table: every control and menu entry of the dialog resource
// IDD_MAINWINDOW with the model of InstalledThemes that mirrors it and its handlers.
#include "mainwindow/win32/MainWindowTable.h"

#include <functional>

#include "mainwindow/win32/MainWindowRes.h"

namespace velmora::win32 {

namespace {

constexpr int kEnterKey = 13;

// A menu's entries: contiguous ids from the first entry's, in the order of their enumeration,
// one handler taking the entry.
template <typename Entry>
void AddMenuEntries(FormTable& table, int firstId, ui::MenuEntries<Entry>& entries,
                    std::function<void(Entry)> click) {
    for (size_t i = 0; i < ui::MenuEntries<Entry>::kCount; ++i) {
        const auto entry = static_cast<Entry>(i);
        table.Add(firstId + static_cast<int>(i), entries[entry]).OnClick([click, entry] {
            click(entry);
        });
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
    table.dropFile = [&w](const std::string& path) { w.Form_DropFile(path); };

    table.Add(IDC_TXTSEARCH, w.txtSearch)
        .OnKeyUp([&w](int key) { w.txtSearch_KeyUp(key); })
        .OnKeyDown([&w](int key) { w.txtSearch_KeyDown(key); }, true)
        .OnGotFocus([&w] { w.txtSearch_GotFocus(); });
    table.Add(IDC_LIST1, w.List1)
        .OnClick([&w] { w.List1_Click(); })
        .OnMouseDown([&w](int button) { w.List1_MouseDown(button); })
        .OnKeyDown([&w](int key) { w.List1_KeyDown(key); })
        .OnContextKey([&w] { w.List1_MouseDown(kRightButton); });
    table.Add(IDC_IMAGE1, w.Image1).WithPicture(IDB_GALLERY).OnClick([&w] { w.Image1_Click(); });

    for (size_t i = 0; i < w.Label1.size(); ++i)
        table.Add(IDC_LABEL1 + static_cast<int>(i), w.Label1[i]);
    table.Add(IDC_TXTTHEMETITLE, w.txtThemeTitle).OnChange([&w] { w.txtThemeTitle_Change(); });
    table.Add(IDC_TXTAUTHOR, w.txtAuthor);
    table.Add(IDC_TXTWEBSITE, w.txtWebSite)
        .AsLink()
        .OnClick([&w] { w.txtWebSite_Click(); })
        .OnKeyDown([&w](int key) { w.txtWebSite_KeyDown(key); }, true);
    table.Add(IDC_TXTTHEMEDESCRIPTION, w.txtThemeDescription);
    table.Add(IDC_TXTTHEMEFILE, w.txtThemeFile);
    table.Add(IDC_COMBO1, w.Combo1).OnClick([&w] { w.Combo1_Click(); });

    table.Add(IDC_IMGEXPLORER, w.imgExplorer)
        .WithPicture(IDB_EXPLORER)
        .OnMouseDown([&w](int button) { w.imgExplorer_MouseDown(button); });
    table.Add(IDC_PICBACKBITMAP, w.picBackBitmap)
        .OnMouseDown([&w](int button) { w.picBackBitmap_MouseDown(button); })
        .OnContextKey([&w] { w.picBackBitmap_MouseDown(kRightButton); });
    table.Add(IDC_FLINTOR1, clip);
    table.Add(IDC_TXTFINDINGS, w.txtFindings)
        .AsLink()
        .OnClick([&w] { w.txtFindings_Click(); })
        .OnKeyDown(
            [&w](int key) {
                if (key == kEnterKey) w.txtFindings_Click();
            },
            true);

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
    AddMenuEntries<FileEntry>(table, IDM_PMUFILE, w.pmuFile, [&w](auto e) { w.pmuFile_Click(e); });
    AddMenuEntries<EditEntry>(table, IDM_PMUEDIT, w.pmuEdit, [&w](auto e) { w.pmuEdit_Click(e); });
    AddMenuEntries<RepairEntry>(table, IDM_PMUREPAIR, w.pmuRepair,
                                [&w](auto e) { w.pmuRepair_Click(e); });
    AddMenuEntries<HomeEntry>(table, IDM_PMUHOME, w.pmuHome, [&w](auto e) { w.pmuHome_Click(e); });
    AddMenuEntries<LayoutEntry>(table, IDM_PMULAYOUT, w.pmuLayout,
                                [&w](auto e) { w.pmuLayout_Click(e); });
    AddMenuEntries<ToolsEntry>(table, IDM_PMUTOOLS, w.pmuTools,
                               [&w](auto e) { w.pmuTools_Click(e); });
    AddMenuEntries<HelpEntry>(table, IDM_PMUHELP, w.pmuHelp, [&w](auto e) { w.pmuHelp_Click(e); });
    AddMenuEntries<ToolbarEntry>(table, IDM_PMUTOOLBAR, w.pmuToolbar,
                                 [&w](auto e) { w.pmuToolbar_Click(e); });
    return table;
}

}  // namespace velmora::win32
