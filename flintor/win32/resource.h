/* Resource identifiers of Flintor.ocx (read by the resource compiler and the C++ code). */
#ifndef VELMORA_FLINTOR_RESOURCE_H
#define VELMORA_FLINTOR_RESOURCE_H

#define IDB_STRIP 101 /* the built-in strip, 38 x 1558, 41 cells */
#define IDB_TOOLBOX 2 /* the toolbox bitmap; ToolboxBitmap32 names this number */
#define IDB_WEB 103   /* the About box's web-site picture */
#define IDI_FLINTOR 1 /* the library's icon */

#define IDD_ABOUT 200
#define IDC_LABEL1 201
#define IDC_LABEL2 202
#define IDC_IMAGE1 203
#define IDC_IMAGE2 204
#define IDC_LABEL3 205

#endif
