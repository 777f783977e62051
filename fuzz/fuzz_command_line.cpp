// Fuzzes the command-line cleaning and classification, and the start-up behind them with
// simulated ports where no file exists: any argument text must end in exactly the outcome
// its ending names, without a crash.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/ProfileReader.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/SimulatedBrowsers.h"
#include "tests/support/SimulatedWindowing.h"

namespace {

// A computer without any file: every theme load fails, every bitmap is missing.
class NoFiles : public velmora::FileSystem, public velmora::ProfileReader {
public:
    bool IsNormalFile(const std::string&) const override { return false; }
    std::optional<std::string> ReadFile(const std::string&) const override { return {}; }
    std::string FullPath(const std::string& path) const override { return path; }
    std::string ReadString(const std::string&, const std::string&, const std::string& fallback,
                           std::size_t, const std::string&) override {
        return fallback;
    }
};

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string raw(reinterpret_cast<const char*>(data), size);

    const CommandLine command(raw);
    if (!raw.empty() && raw.front() == '"') {
        Check(command.Path().find('"') == std::string::npos);
        Check(command.Path().size() <= raw.size());
    } else {
        Check(command.Path() == raw);
    }
    Check(CommandLine::Clean(command.Path()) == command.Path() || command.Path().front() == '"');
    Check(command.Action() == CommandLine::Classify(command.Path()));

    test::MemoryRegistry registry;
    NoFiles files;
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::FakeProductInfo product;
    test::SimulatedWindowing desktop;
    test::SimulatedBrowsers browsers{desktop};
    auto window = browsers.OpenBrowser("http://open/");
    Platform platform;
    platform.registry = &registry;
    platform.profile = &files;
    platform.files = &files;
    platform.dialogs = &dialogs;
    platform.shell = &shell;
    platform.browsers = &browsers;
    platform.product = &product;

    int mainWindow = 0;
    StartUp(platform, [&mainWindow] { ++mainWindow; }).Run(false, raw);
    switch (command.Action()) {
        case StartAction::ApplyThemeFile:
            Check(window->Closed() && dialogs.Shown().size() == 1 && mainWindow == 0);
            Check(dialogs.Shown()[0].text ==
                  "Failed to load and apply the Internet Explorer Theme file:\r\n" +
                      command.Path());
            break;
        case StartAction::SetToolbarSkin:
            Check(window->Closed() && dialogs.Shown().empty() && mainWindow == 0);
            break;
        case StartAction::MainWindow:
            Check(!window->QuitRequested() && dialogs.Shown().empty() && mainWindow == 1);
            break;
    }
    Check(shell.opened.empty() && registry.Calls(test::RegCall::SetValueEx) == 0);
    return 0;
}
