// Version numbers shared by the version resources of Velmora.exe and Flintor.ocx.
#pragma once

#define VELMORA_VERSION_MAJOR 1
#define VELMORA_VERSION_MINOR 1
#define VELMORA_VERSION_REVISION 3
#define VELMORA_VERSION_TEXT "1.1.3"
#define VELMORA_PRODUCT_NAME "Kelvary"
#define VELMORA_COMPANY_NAME "Tolvane"
