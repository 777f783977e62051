// Resource ids of the built-in throbber strips that Win32Pictures loads from the program.
#pragma once

#define IDB_PICANI 110
#define IDB_PICXP 111
