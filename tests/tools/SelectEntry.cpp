// Selects an entry of the running main window's theme list as a user's click does, so that
// tools/run.sh can show a theme in its screenshot. Usage: velmora_select <entry>
#include <cstdio>

#include "tests/e2e/VelmoraUser.h"

int main(int argc, char** argv) {
    HWND window = nullptr;
    velmora::e2e::WaitUntil([&] { return window = velmora::e2e::FindDialog(0, IDC_LIST1); }, 20000);
    if (argc == 2 && window && velmora::e2e::Select(window, argv[1])) return 0;
    std::fprintf(stderr, "usage: velmora_select <entry> (of a main window that shows)\n");
    return 1;
}
