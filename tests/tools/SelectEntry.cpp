// Selects an entry of the running main window's theme list as a user's click does, so that
// tools/run.sh can show a theme in its screenshot. Usage: velmora_select <entry>
#include <cstdio>

#include "tests/e2e/VelmoraUser.h"

int main(int argc, char** argv) {
    using namespace velmora::e2e;
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindDialog(0, IDC_LIST1)) != nullptr; }, 20000);
    if (argc == 2 && window && Select(window, argv[1])) return 0;
    std::fprintf(stderr, "usage: velmora_select <entry> (of a main window that shows)\n");
    return 1;
}
