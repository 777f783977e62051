// Resource ids of the start-up floor's dialog.
#pragma once
#define IDD_FLOOR 100
// The main window's list has the same id (IDC_LIST1), so the figure finds either list alike.
#define IDC_FLOOR_LIST 1001
