// Selects an entry of the running main window's theme list as a user's click does, so that
// tools/run.sh can show a theme in its screenshot. Usage: velmora_select <entry>
#include <windows.h>

#include <cstdio>

#include "tests/e2e/MainWindowUser.h"

int main(int argc, char** argv) {
    using namespace velmora::e2e;
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora_select <entry>\n");
        return 2;
    }
    HWND window = nullptr;
    for (int waited = 0; !(window = FindMainWindow(0)) && waited < 200; ++waited) Sleep(100);
    if (!window) {
        std::fprintf(stderr, "velmora_select: no main window\n");
        return 1;
    }
    MainWindowUser user(window);
    if (!user.Select(argv[1])) {
        std::fprintf(stderr, "velmora_select: no entry \"%s\"\n", argv[1]);
        return 1;
    }
    return 0;
}
