// The figures of the Windows benchmark, each measured against its floor in the same run and
// printed with its goal. Each returns whether its goals were met.
#pragma once

#include <string>

#include "bench/win32/BenchPlatform.h"

namespace velmora::bench {

constexpr int kRounds = 5;

// The sample theme every figure uses, as the program is given it.
inline std::string OceanFile() {
    return VELMORA_SOURCE_DIR "\\themes\\Ocean\\Ocean.vlr";
}

// ApplyTheme of Ocean against the same registry and profile calls made bare.
bool ApplyFigure(BenchPlatform& bench);
// LoadThemeList with 1,000 and 10,000 installed themes: linear, and within a frame of its
// registry reads.
bool ThemeListFigure(BenchPlatform& bench, HINSTANCE resources);
// Selecting Ocean in the main window against LoadVelmora of its file alone.
bool SelectionFigure(BenchPlatform& bench, HINSTANCE resources);
// Velmora.exe from its start to its main window with the list filled, against a bare
// dialog program started the same way.
bool StartUpFigure();
// The hosted clip control animating for 30 s: CPU time and GDI objects.
bool AnimationFigure(BenchPlatform& bench, HINSTANCE resources);

}  // namespace velmora::bench
