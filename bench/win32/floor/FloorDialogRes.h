// Resource ids of the start-up floor's dialog.
#pragma once
#define IDD_FLOOR 100
#define IDC_FLOOR_LIST 101
