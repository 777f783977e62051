// Fuzzes the command-line cleaning and classification, and the start-up behind them with
// simulated ports where no file exists: any argument text must end in exactly the outcome
// its ending names, without a crash.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "tests/support/TestPlatform.h"

namespace {

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

    // A text starting with "/" (not "//") is a switch command (its own table in the unit tests): it
    // must end with an exit code, without a crash.
    if (raw.size() >= 2 && raw[0] == '/' && raw[1] != '/') {
        test::TestPlatform t;
        StartUp(t.platform, nullptr).Run(false, raw);
        return 0;
    }
    test::TestPlatform t;  // a computer without any file: every load fails, every bitmap is missing
    auto window = t.browsers.OpenBrowser("http://open/");
    int mainWindow = 0;
    StartUp(t.platform, [&mainWindow] { ++mainWindow; }).Run(false, raw);
    const auto& shown = t.dialogs.shown;
    const std::string failure = "Failed to load and apply the Internet Explorer Theme file:\r\n";
    switch (command.Action()) {
        case StartAction::ApplyThemeFile:
            Check(window->closed && shown.size() == 1 && mainWindow == 0);
            // The path as given, or made full from the current folder.
            Check(shown[0].text == failure + command.Path() ||
                  shown[0].text == failure + t.files.FullPath(command.Path()));
            break;
        case StartAction::SetToolbarSkin:
            Check(window->closed && shown.empty() && mainWindow == 0);
            break;
        case StartAction::MainWindow:
            Check(!window->quitRequested && shown.empty() && mainWindow == 1);
            break;
    }
    Check(t.shell.opened.empty() && t.registry.Calls(test::RegCall::SetValueEx) == 0);
    return 0;
}
