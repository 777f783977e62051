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
    // The text, then what it asks (none, apply, check, invalid), path, quiet, the problem's line.
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\a.vlr /quiet", "0||0|"},
        {"\"/apply\" x.vlr", "0||0|"},
        {"//server/x.vlr", "0||0|"},
        {"/apply \"C:\\My Themes\\a.vlr\" /quiet", "1|C:\\My Themes\\a.vlr|1|"},
        {"/QUIET  /Apply\ta.vlr", "1|a.vlr|1|"},
        {"/check \"C:\\x \\b.vlr", "2|C:\\x \\b.vlr|1|"},
        {"/check \"/quiet\"", "2|/quiet|1|"},
        {"/apply", "3||0|No theme file named."},
        {"/quiet a.vlr", "3||1|Unexpected argument: a.vlr"},
        {"/check", "3||1|No theme file named."},
        {"/apply a.vlr /check b.vlr", "3|a.vlr|1|Only one of /apply and /check."},
        {"/apply a.vlr b.vlr", "3|a.vlr|0|Unexpected argument: b.vlr"},
        {"/silent a.vlr /Quiet", "3||1|Unknown switch: /silent"},
    };
    for (const auto& [text, expected] : rows) {
        const Switches s(text);
        EXPECT_EQ(std::to_string(int(s.Action())) + "|" + s.Path() + "|" + std::to_string(s.Quiet()) +
                      "|" + s.Problem().substr(0, s.Problem().find('\r')),
                  expected)
            << text;
    }
    EXPECT_NE(Switches("/x").Problem().find("\r\n\r\nKnown switches:\r\n  /apply"), std::string::npos);
}

}  // namespace
}  // namespace velmora
