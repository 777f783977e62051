// Resource ids of the main window "Installed Themes": its dialog, controls, menus and
// pictures. Control arrays take contiguous ids from their first element's id.
#pragma once

#define IDD_MAINWINDOW 100
#define IDR_MAINMENU 101
#define IDR_POPUPMENUS 102  // the hidden top menus Tools and Toolbar, opened as pop-ups

// Pictures: the built-in throbber strips (`picAni`, `picXP`), the gallery link and the
// browser picture.
#include "platform/win32/BuiltInStrips.h"
#define IDB_GALLERY 112
#define IDB_EXPLORER 113

// Left column: type-ahead box, theme list, gallery picture, and the labels naming the first two.
#define IDC_TXTSEARCH 1000
#define IDC_LIST1 1001
#define IDC_IMAGE1 1002
#define IDC_LBLSEARCH 1003
#define IDC_LBLLIST 1004

// Field labels: `Label1` 0..3, then the two labels the window never changes.
#define IDC_LABEL1 1010
#define IDC_LBLTHEMEFILE 1014
#define IDC_LBLHOMEPAGE 1015

#define IDC_TXTTHEMETITLE 1020
#define IDC_TXTAUTHOR 1021
#define IDC_TXTWEBSITE 1022
#define IDC_TXTTHEMEDESCRIPTION 1023
#define IDC_TXTTHEMEFILE 1024
#define IDC_COMBO1 1025

// Preview group: browser picture, toolbar picture, and the place of the hosted clip control.
#define IDC_GRPPREVIEW 1030
#define IDC_IMGEXPLORER 1031
#define IDC_PICBACKBITMAP 1032
#define IDC_FLINTOR1 1033
#define IDC_TXTFINDINGS 1034  // the line naming the theme's problems

// Area group: `chkLink` 0..6.
#define IDC_GRPAREAS 1040
#define IDC_CHKLINK 1041

#define IDC_CMDAPPLY 1050
#define IDC_CMDUNINSTALL 1051
#define IDC_CMDCANCEL 1052

// Top menus (the pop-up's own id) and their entry arrays, separators included.
#define IDM_MNUFILE 2000
#define IDM_MNUEDIT 2001
#define IDM_MNUREPAIR 2002
#define IDM_MNUTOOLS 2003
#define IDM_MNUHELP 2004
#define IDM_MNUTOOLBAR 2005
#define IDM_PMUFILE 2010
#define IDM_PMUEDIT 2020
#define IDM_PMUREPAIR 2030
#define IDM_PMUHOME 2040
#define IDM_PMULAYOUT 2050
#define IDM_PMUTOOLS 2060
#define IDM_PMUHELP 2070
#define IDM_PMUTOOLBAR 2080
