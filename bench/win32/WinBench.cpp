// The Windows benchmark, run under Wine by `make bench`: every figure of the program against
// a floor measured in the same run, with its goal. Not a test: nothing here fails a build.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "bench/win32/Figures.h"
#include "platform/win32/OleApartment.h"
#include "tests/e2e/SampleThemes.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// True when the figure is to run: all of them without arguments, else those named.
bool Wanted(int argc, char** argv, const char* figure) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i)
        if (lstrcmpiA(argv[i], figure) == 0) return true;
    return false;
}

}  // namespace

// Arguments: the figures to run (apply, list, selection, animation, startup); none: all.
int main(int argc, char** argv) {
    using namespace velmora;
    if (!win32::RegisterClipControl(true)) std::printf("Flintor.ocx could not be registered\n");
    const win32::OleApartment ole;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const HINSTANCE resources = win32::ProgramResources();
    const e2e::InstalledSamples samples;
    bench::BenchPlatform platform(resources);

    int run = 0, missed = 0;
    auto figure = [&](const char* name, auto&& measure) {
        if (!Wanted(argc, argv, name)) return;
        ++run;
        missed += !measure();
    };
    figure("apply", [&] { return bench::ApplyFigure(platform); });
    figure("list", [&] { return bench::ThemeListFigure(platform, resources); });
    figure("selection", [&] { return bench::SelectionFigure(platform, resources); });
    figure("animation", [&] { return bench::AnimationFigure(platform, resources); });
    // Last: the browser servers the started copies leave behind run until Wine is stopped.
    figure("startup", [] { return bench::StartUpFigure(); });
    std::printf("%d of %d figures missed a goal\n", missed, run);
    return 0;
}
