// Ids of the small test window the dialog binding test drives.
#pragma once

#define IDD_BINDINGTEST 300
#define IDR_BINDINGMENU 301
#define IDB_BINDINGDOT 303  // 4 x 4, one colour

#define IDC_T_TEXT 3000
#define IDC_T_BUTTON 3004
#define IDC_T_LIST 3005

#define IDM_T_TOP 3100
#define IDM_T_ITEM 3101
