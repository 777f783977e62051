// Resource ids of the About window: its dialog, background picture and labels (named apart
// from the main window's, as Velmora.rc holds both).
#pragma once

#define IDD_ABOUT 300
#define IDB_ABOUTBACK 301

#define IDC_ABOUTBACK 3000
#define IDC_ABOUTLABEL1 3001
#define IDC_ABOUTLABEL2 3002
#define IDC_LBL300 3003
#define IDC_LBL301 3004
#define IDC_LBL302 3005
