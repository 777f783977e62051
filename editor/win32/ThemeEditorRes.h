// Resource ids of the theme editor window: its dialog and controls.
#pragma once

#define IDD_THEMEEDITOR 200

#define IDC_TEXT1 2000
#define IDC_CMDSAVE 2001
#define IDC_CMDCLOSE 2002
