// The ports the benchmarks run the program's code on: the real registry, profile reading,
// files and pictures, each registry and profile call and picture load written down in one
// CallLog while it records; browsers and message boxes simulated, so nothing leaves the
// process.
#pragma once

#include "bench/win32/CallLog.h"
#include "bench/win32/RecordingPictures.h"
#include "bench/win32/RecordingProfile.h"
#include "bench/win32/RecordingRegistry.h"
#include "platform/Platform.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32ProfileReader.h"
#include "platform/win32/Win32RegistryApi.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/SimulatedBrowsers.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::bench {

class BenchPlatform {
public:
    // resources: the module holding the program's built-in pictures.
    explicit BenchPlatform(HINSTANCE resources);
    BenchPlatform(const BenchPlatform&) = delete;
    BenchPlatform& operator=(const BenchPlatform&) = delete;

    const Platform& Ports() const { return platform_; }
    CallLog& Log() { return log_; }
    // The real pictures, for a replay of recorded loads.
    Pictures& RealPictures() { return pictures_; }

private:
    CallLog log_;
    win32::Win32RegistryApi realRegistry_;
    win32::Win32ProfileReader realProfile_;
    RecordingRegistry registry_{realRegistry_, log_};
    RecordingProfile profile_{realProfile_, log_};
    win32::Win32FileSystem files_;
    win32::Win32Pictures pictures_;
    RecordingPictures recordingPictures_{pictures_, log_};
    test::FakeDialogs dialogs_;
    test::FakeShell shell_;
    test::SimulatedWindowing windowing_;
    test::SimulatedBrowsers browsers_{windowing_};
    test::FakeProductInfo product_;
    Platform platform_;
};

}  // namespace velmora::bench
