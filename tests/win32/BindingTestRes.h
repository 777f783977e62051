// Ids of the small test window the dialog binding tests drive.
#pragma once

#define IDD_BINDINGTEST 300
#define IDR_BINDINGMENU 301
#define IDR_BINDINGPOPUPS 302
#define IDB_BINDINGDOT 303  // 4 x 4, one colour

#define IDC_T_TEXT 3000
#define IDC_T_LABEL 3001
#define IDC_T_CHECK 3002  // and 3003: an array of two
#define IDC_T_BUTTON 3004
#define IDC_T_LIST 3005
#define IDC_T_COMBO 3006
#define IDC_T_PICTURE 3007

#define IDM_T_TOP 3100
#define IDM_T_ITEM 3101  // and 3102
#define IDM_T_HIDDEN 3110
#define IDM_T_HIDDENITEM 3111
