// The figures of the Windows benchmark, each measured against its floor in the same run and
// printed with its goal. Each returns whether its goals were met.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/win32/BenchPlatform.h"

namespace velmora::bench {

constexpr int kRounds = 5;

// The sample theme every figure uses, as the program is given it.
inline std::string OceanFile() {
    return VELMORA_SOURCE_DIR "\\themes\\Ocean\\Ocean.vlr";
}

// GDI objects this process holds. Wine's GetGuiResources answers 0: every slot of the
// handle table is probed instead (a handle whose upper half is 0 names its slot).
inline int CountGdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return static_cast<int>(counted);
    int live = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++live;
    return live;
}

// Prints the live GDI objects before and after some work (goal: flat); true when flat.
inline bool PrintGdiFlat(const char* name, const char* before, int first, const char* after,
                         int last) {
    const bool flat = last <= first;
    std::printf("%-56s %s %d, %s %d  goal: flat  %s\n", name, before, first, after, last,
                flat ? "MET" : "MISSED");
    return flat;
}

// ApplyTheme of Ocean against the same registry and profile calls made bare.
bool ApplyFigure(BenchPlatform& bench);
// LoadThemeList with 1,000 and 10,000 installed themes: linear, and within a frame of its
// registry reads.
bool ThemeListFigure(BenchPlatform& bench, HINSTANCE resources);
// Selecting Ocean in the main window against LoadVelmora of its file alone; and every entry
// selected over and over (each preview's pictures and strip replaced): GDI objects flat.
bool SelectionFigure(BenchPlatform& bench, HINSTANCE resources);
// Velmora.exe from its start to its main window with the list filled, against a dialog
// program started the same way that makes the companion browser and shows a list as long.
bool StartUpFigure();
// Velmora.exe started, the theme selected: milliseconds from a click on Apply to the browser
// back (a new browser window shown); negative when the theme could not be applied.
double TimeApplyInProgram(const std::string& theme);
// The hosted clip control animating for 30 s: CPU time and GDI objects.
bool AnimationFigure(BenchPlatform& bench, HINSTANCE resources);

}  // namespace velmora::bench
