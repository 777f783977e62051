// The command line: quote removal and the choice between the two file actions and the
// main window.
#include <gtest/gtest.h>

#include <string>

#include "app/CommandLine.h"

namespace velmora {
namespace {

struct GrammarRow {
    const char* argumentText;
    const char* path;
    StartAction action;
};

TEST(CommandLine, GrammarTable) {
    const GrammarRow rows[] = {
        {"", "", StartAction::MainWindow},
        {"\"C:\\Themes\\Ocean\\Ocean.vlr\"", "C:\\Themes\\Ocean\\Ocean.vlr",
         StartAction::ApplyThemeFile},
        {"C:\\Themes\\Ocean\\Ocean.VLR", "C:\\Themes\\Ocean\\Ocean.VLR",
         StartAction::ApplyThemeFile},
        {"C:\\Themes\\Ocean\\Ocean.Vlr", "C:\\Themes\\Ocean\\Ocean.Vlr",
         StartAction::ApplyThemeFile},
        {"\"C:\\My Pictures\\sky.bmp\"", "C:\\My Pictures\\sky.bmp", StartAction::SetToolbarSkin},
        {"C:\\sky.BMP", "C:\\sky.BMP", StartAction::SetToolbarSkin},
        {"\"C:\\Themes\\Ocean.vlr\" /silent", "C:\\Themes\\Ocean.vlr /silent",
         StartAction::MainWindow},
        {"C:\\notes.txt", "C:\\notes.txt", StartAction::MainWindow},
        {"/?", "/?", StartAction::MainWindow},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.argumentText);
        const CommandLine command(row.argumentText);
        EXPECT_EQ(command.Path(), row.path);
        EXPECT_EQ(command.Action(), row.action);
    }
}

TEST(CommandLine, ALeadingQuoteRemovesEveryQuoteNotOnlyTheOuterPair) {
    EXPECT_EQ(CommandLine::Clean("\"C:\\a\"b\"\\c.vlr\""), "C:\\ab\\c.vlr");
    EXPECT_EQ(CommandLine::Clean("\"\"\""), "");
    // An unbalanced quote is removed all the same.
    EXPECT_EQ(CommandLine("\"C:\\Themes\\Blue.vlr").Action(), StartAction::ApplyThemeFile);
}

TEST(CommandLine, AQuoteInsideAnUnquotedTextStaysAndThenMatchesNothing) {
    const CommandLine command("C:\\a\"b\".vlr\"");
    EXPECT_EQ(command.Path(), "C:\\a\"b\".vlr\"");
    EXPECT_EQ(command.Action(), StartAction::MainWindow);
    // Still a theme file when the quotes do not spoil the ending.
    EXPECT_EQ(CommandLine("C:\\a\"b\\c.vlr").Action(), StartAction::ApplyThemeFile);
}

TEST(CommandLine, BlanksAreKeptAsTheyStand) {
    const CommandLine quoted("\"C:\\Program Files\\My Themes\\Deep Sea.vlr\"");
    EXPECT_EQ(quoted.Path(), "C:\\Program Files\\My Themes\\Deep Sea.vlr");
    EXPECT_EQ(quoted.Action(), StartAction::ApplyThemeFile);
    // A leading blank keeps the quotes: the text does not start with one.
    EXPECT_EQ(CommandLine(" \"C:\\x.bmp\"").Action(), StartAction::MainWindow);
    // A trailing blank spoils the ending.
    EXPECT_EQ(CommandLine("C:\\x.bmp ").Action(), StartAction::MainWindow);
}

TEST(CommandLine, TheWholeTextMustEndInTheExtension) {
    EXPECT_EQ(CommandLine::Classify(".vlr"), StartAction::ApplyThemeFile);
    EXPECT_EQ(CommandLine::Classify(".BmP"), StartAction::SetToolbarSkin);
    EXPECT_EQ(CommandLine::Classify("vlr"), StartAction::MainWindow);
    EXPECT_EQ(CommandLine::Classify("C:\\x.vlr.txt"), StartAction::MainWindow);
    EXPECT_EQ(CommandLine::Classify("C:\\x.vlrx"), StartAction::MainWindow);
    EXPECT_EQ(CommandLine::Classify("C:\\x_vlr"), StartAction::MainWindow);
    EXPECT_EQ(CommandLine::Classify("C:\\x.bmp.vlr"), StartAction::ApplyThemeFile);
    EXPECT_EQ(CommandLine::Classify("C:\\x.vlr.bmp"), StartAction::SetToolbarSkin);
}

TEST(CommandLine, BytesOutsideAsciiAreNotLetters) {
    // 0xD6 is a capital letter in the ANSI code page; it is not "V" in any case.
    EXPECT_EQ(CommandLine::Classify(std::string("C:\\x.\xD6lr")), StartAction::MainWindow);
    EXPECT_EQ(CommandLine::Classify(std::string("C:\\\xE4\xF6\xFC.vlr")),
              StartAction::ApplyThemeFile);
}

}  // namespace
}  // namespace velmora
