// The About window's binding table: the dialog resource IDD_ABOUT with the labels of
// AboutVelmora over its background picture.
#include "editor/win32/AboutTable.h"

#include "editor/win32/AboutRes.h"

namespace velmora::win32 {

namespace {

constexpr char kSmallFont[] = "Small Fonts";
constexpr int kSmallFontPoints = 6;
constexpr COLORREF kTextOverBackground = RGB(255, 255, 255);

}  // namespace

FormTable AboutTable(AboutVelmora& w) {
    FormTable table(IDD_ABOUT);
    table.load = [&w] { w.Form_Load(); };
    table.keyDown = [&w](int key) { w.Form_KeyDown(key); };
    table.click = [&w] { w.Form_Click(); };
    table.Add(IDC_ABOUTBACK, w.imgBackground)
        .WithPicture(IDB_ABOUTBACK)
        .AsBackdrop(kTextOverBackground);
    table.Add(IDC_ABOUTLABEL1, w.Label1);
    table.Add(IDC_ABOUTLABEL2, w.Label2);
    table.Add(IDC_LBL300, w.lbl300).WithFont(kSmallFont, kSmallFontPoints);
    table.Add(IDC_LBL301, w.lbl301).WithFont(kSmallFont, kSmallFontPoints);
    table.Add(IDC_LBL302, w.lbl302).WithFont(kSmallFont, kSmallFontPoints);
    return table;
}

}  // namespace velmora::win32
