// The command line: quote removal and the choice between the two file actions and the main
// window.
#include <gtest/gtest.h>

#include <string>

#include "app/CommandLine.h"

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

}  // namespace
}  // namespace velmora
