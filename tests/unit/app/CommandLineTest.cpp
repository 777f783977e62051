// The command line: quote removal and the choice between the two file actions and the main
// window.
#include <gtest/gtest.h>

#include <string>

#include "app/CommandLine.h"
#include "app/Switches.h"

namespace velmora {
namespace {

constexpr StartAction kMain = StartAction::MainWindow;
constexpr StartAction kTheme = StartAction::ApplyThemeFile;
constexpr StartAction kSkin = StartAction::SetToolbarSkin;

TEST(CommandLine, CleaningAndClassifying) {
    struct Row {
        const char* argumentText;
        const char* path;  // null: the text as it stands
        StartAction action;
    };
    const Row rows[] = {
        {"", nullptr, kMain},
        {"\"C:\\Program Files\\Deep Sea.vlr\"", "C:\\Program Files\\Deep Sea.vlr", kTheme},
        {"\"C:\\My Pictures\\sky.bmp\"", "C:\\My Pictures\\sky.bmp", kSkin},
        // A leading quote removes every quote, balanced or not.
        {"\"C:\\a\"b\"\\c.vlr\"", "C:\\ab\\c.vlr", kTheme},
        {"\"\"\"", "", kMain},
        {"\"C:\\Themes\\Ocean.vlr\" /silent", "C:\\Themes\\Ocean.vlr /silent", kMain},
        // Without a leading quote the text is kept, quotes and blanks included.
        {"C:\\a\"b\".vlr\"", nullptr, kMain},
        {"C:\\a\"b\\c.vlr", nullptr, kTheme},
        {" \"C:\\x.bmp\"", nullptr, kMain},
        // The whole text must end in the extension, letters in any case.
        {"C:\\Themes\\Ocean.VLR", nullptr, kTheme},
        {".vlr", nullptr, kTheme},
        {".BmP", nullptr, kSkin},
        {"C:\\x.vlr.txt", nullptr, kMain},
        {"C:\\x.vlr.bmp", nullptr, kSkin},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.argumentText);
        const CommandLine command(row.argumentText);
        EXPECT_EQ(command.Path(), row.path ? row.path : row.argumentText);
        EXPECT_EQ(command.Action(), row.action);
    }
}

TEST(CommandLine, Switches) {
    struct Row {
        const char* argumentText;
        SwitchAction action;
        const char* path;
        bool quiet;
        const char* problem;  // the start of Problem()
    };
    constexpr SwitchAction kNone = SwitchAction::None, kApply = SwitchAction::Apply,
                           kCheck = SwitchAction::Check, kBad = SwitchAction::Invalid;
    const Row rows[] = {
        {"C:\\a.vlr /quiet", kNone, "", false, ""},
        {"\"/apply\" x.vlr", kNone, "", false, ""},
        {"//server/x.vlr", kNone, "", false, ""},
        {"/apply \"C:\\My Themes\\a.vlr\" /quiet", kApply, "C:\\My Themes\\a.vlr", true, ""},
        {"/QUIET  /Apply\ta.vlr", kApply, "a.vlr", true, ""},
        {"/check \"C:\\x \\b.vlr", kCheck, "C:\\x \\b.vlr", true, ""},
        {"/check \"/quiet\"", kCheck, "/quiet", true, ""},
        {"/apply", kBad, "", false, "No theme file named."},
        {"/quiet a.vlr", kBad, "", true, "Unexpected argument: a.vlr"},
        {"/check", kBad, "", true, "No theme file named."},
        {"/apply a.vlr /check b.vlr", kBad, "a.vlr", true, "Only one of /apply and /check."},
        {"/apply a.vlr b.vlr", kBad, "a.vlr", false, "Unexpected argument: b.vlr"},
        {"/silent a.vlr /Quiet", kBad, "", true, "Unknown switch: /silent"},
        {"/silent a.vlr", kBad, "", false, "Unknown switch: /silent\r\n\r\nKnown switches:"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.argumentText);
        const Switches switches(row.argumentText);
        EXPECT_EQ(switches.Action(), row.action);
        EXPECT_EQ(switches.Path(), row.path);
        EXPECT_EQ(switches.Quiet(), row.quiet);
        EXPECT_EQ(switches.Problem().rfind(row.problem, 0), 0u) << switches.Problem();
        EXPECT_EQ(switches.Problem().empty(), row.action != kBad);
    }
}

}  // namespace
}  // namespace velmora
