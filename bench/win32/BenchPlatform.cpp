// The ports the benchmarks run the program's code on.
#include "bench/win32/BenchPlatform.h"

namespace velmora::bench {

BenchPlatform::BenchPlatform(HINSTANCE resources) : pictures_(resources) {
    platform_.registry = &registry_;
    platform_.profile = &profile_;
    platform_.files = &files_;
    platform_.pictures = &recordingPictures_;
    platform_.dialogs = &dialogs_;
    platform_.shell = &shell_;
    platform_.windowing = &windowing_;
    platform_.browsers = &browsers_;
    platform_.product = &product_;
}

}  // namespace velmora::bench
