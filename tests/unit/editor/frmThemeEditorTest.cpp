// The theme editor on the in-memory files: loading, the Changed and Save states, the close
// question, and saves that fail without losing the file or the text.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "editor/frmThemeEditor.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/FakeFormHost.h"

namespace velmora::test {
namespace {

const char kFile[] = "C:\\Themes\\Blue\\blue.vlr";
// CR LF and bare LF line ends, characters of the ANSI code page, no line end at the end.
const std::string kText = "[Velmora]\r\nThemeTitle=Bl\xE9u\r\nAuthor=\xA9 Me\nEnd";

class ThemeEditorTest : public ::testing::Test {
protected:
    ThemeEditorTest() { files_.AddFile(kFile, kText); }
    Platform Ports() {
        Platform ports;
        ports.files = &files_;
        ports.dialogs = &dialogs_;
        ports.product = &product_;
        ports.windowing = &desktop_;
        return ports;
    }

    // The window as the main window opens it: loaded, then given the file.
    void Open(const std::string& path = kFile) {
        editor_.Form_Load();
        editor_.SetThemeFile(path);
    }
    void Type(const std::string& more) {
        editor_.Text1.SetText(editor_.Text1.Text() + more);
        editor_.Text1_Change();
    }
    bool SaveEnabled() const { return editor_.cmdSave.Enabled(); }

    MemoryFileSystem files_;
    FakeDialogs dialogs_;
    FakeProductInfo product_;
    SimulatedWindowing desktop_;
    FakeFormHost host_{desktop_};
    Platform platform_ = Ports();  // the windows copy it
    frmThemeEditor editor_{platform_, host_};
};

TEST_F(ThemeEditorTest, LoadSetsTheTextsAndPutsTheWindowOnTop) {
    EXPECT_FALSE(SaveEnabled());  // before anything is loaded
    Open();
    EXPECT_EQ(host_.caption, "Velmora Editor - Lite Version");
    EXPECT_EQ(editor_.cmdClose.Text(), "Close");
    EXPECT_EQ(editor_.cmdSave.Text(), "Save");
    EXPECT_TRUE(editor_.WindowOnTop());
    EXPECT_TRUE(desktop_.State(host_.Handle()).topmost);
    editor_.SetWindowOnTop(false);
    EXPECT_FALSE(desktop_.State(host_.Handle()).topmost);
}

TEST_F(ThemeEditorTest, OnlyAReadableThemeFileIsLoaded) {
    files_.AddFile("C:\\Themes\\UPPER.VLR", "upper");
    files_.AddFile("C:\\Themes\\notes.txt", "notes");
    const struct {
        const char* path;
        const char* themeFile;
        std::string text;
        size_t messages;
    } rows[] = {
        {kFile, kFile, kText, 0},
        {"C:\\Themes\\UPPER.VLR", "C:\\Themes\\UPPER.VLR", "upper", 0},
        {"C:\\Themes\\notes.txt", "", "before", 0},
        {"", "", "before", 0},
        {"C:\\Themes\\missing.vlr", "", "before", 1},
    };
    for (const auto& row : rows) {
        FakeDialogs dialogs;
        platform_.dialogs = &dialogs;
        frmThemeEditor editor(platform_, host_);
        editor.Text1.SetText("before");
        editor.SetThemeFile(row.path);
        EXPECT_EQ(editor.ThemeFile(), row.themeFile) << row.path;
        EXPECT_EQ(editor.Text1.Text(), row.text) << row.path;
        EXPECT_FALSE(editor.Changed()) << row.path;
        ASSERT_EQ(dialogs.Shown().size(), row.messages) << row.path;
        if (row.messages) {
            EXPECT_NE(dialogs.Shown()[0].text.find(row.path), std::string::npos);
        }
    }
}

TEST_F(ThemeEditorTest, SaveIsEnabledWhileChangedAndWritesTheTextByteForByte) {
    Open();
    EXPECT_FALSE(editor_.Changed());
    // The binding showing the loaded text again changes nothing.
    editor_.Text1_Change();
    EXPECT_FALSE(SaveEnabled());
    EXPECT_TRUE(editor_.Form_QueryUnload());
    Type("\r\n\x80");
    EXPECT_TRUE(editor_.Changed());
    EXPECT_TRUE(SaveEnabled());
    editor_.cmdSave_Click();
    EXPECT_EQ(files_.ReadFile(kFile), kText + "\r\n\x80");
    EXPECT_FALSE(files_.ReadFile(std::string(kFile) + ".saving").has_value());
    EXPECT_FALSE(SaveEnabled());
    EXPECT_TRUE(editor_.Form_QueryUnload());
    EXPECT_TRUE(dialogs_.Shown().empty());
    // Typing the saved text back after a change is still a change.
    Type("x");
    editor_.Text1.SetText(kText + "\r\n\x80");
    editor_.Text1_Change();
    EXPECT_TRUE(SaveEnabled());
    // Another file taken over a changed text starts unchanged; a path of no theme drops it.
    editor_.SetThemeFile(kFile);
    EXPECT_FALSE(SaveEnabled());
    editor_.SetThemeFile("C:\\Themes\\notes.txt");
    EXPECT_EQ(editor_.ThemeFile(), "");
}

TEST_F(ThemeEditorTest, ClosingAChangedTextAsksWhetherToSave) {
    const struct {
        MsgAnswer answer;
        bool closes;
        bool saved;
    } rows[] = {{MsgAnswer::Yes, true, true},
                {MsgAnswer::No, true, false},
                {MsgAnswer::Cancel, false, false}};
    for (const auto& row : rows) {
        files_.AddFile(kFile, kText);
        FakeDialogs dialogs;
        platform_.dialogs = &dialogs;
        frmThemeEditor editor(platform_, host_);
        editor.SetThemeFile(kFile);
        editor.Text1.SetText("edited");
        editor.Text1_Change();
        dialogs.Script({row.answer});
        EXPECT_EQ(editor.Form_QueryUnload(), row.closes);
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        const MessageRequest& asked = dialogs.Shown()[0];
        EXPECT_EQ(asked.text, "Save changes to this Theme file?");
        EXPECT_EQ(asked.title, "Kelvary");
        EXPECT_EQ(asked.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(asked.icon, MsgIcon::Question);
        EXPECT_TRUE(asked.systemModal);
        EXPECT_EQ(files_.ReadFile(kFile), row.saved ? "edited" : kText);
        EXPECT_EQ(editor.Text1.Text(), "edited");
        EXPECT_EQ(editor.Changed(), !row.saved);
    }
}

TEST_F(ThemeEditorTest, AFailedSaveKeepsTheFileTheTextAndChanged) {
    const struct {
        const char* why;
        std::function<void()> spoil;
        const char* reason;
        bool fileKept;
    } rows[] = {
        {"read-only", [this] { files_.AddFile(kFile, kText, MemoryFileSystem::kReadOnly); },
         "Access is denied.", true},
        {"held open", [this] { files_.HoldOpen(kFile); }, "used by another process", true},
        {"held new file", [this] { files_.HoldOpen(std::string(kFile) + ".saving"); },
         "used by another process", true},
        {"folder gone", [this] { files_.Remove(kFile); }, "cannot find the path", false},
    };
    for (const auto& row : rows) {
        files_ = MemoryFileSystem();
        files_.AddFile(kFile, kText);
        FakeDialogs dialogs;
        platform_.dialogs = &dialogs;
        frmThemeEditor editor(platform_, host_);
        editor.SetThemeFile(kFile);
        editor.Text1.SetText("edited");
        editor.Text1_Change();
        row.spoil();
        editor.cmdSave_Click();
        dialogs.Script({MsgAnswer::Yes});
        EXPECT_FALSE(editor.Form_QueryUnload()) << row.why;  // Yes, but the save fails again
        ASSERT_EQ(dialogs.Shown().size(), 3u) << row.why;
        const std::string& told = dialogs.Shown()[0].text;
        EXPECT_NE(told.find(kFile), std::string::npos) << told;
        EXPECT_NE(told.find(row.reason), std::string::npos) << told;
        EXPECT_EQ(dialogs.Shown()[0].title, "Kelvary");
        EXPECT_TRUE(dialogs.Shown()[0].systemModal);
        EXPECT_EQ(files_.ReadFile(kFile),
                  row.fileKept ? std::optional<std::string>(kText) : std::nullopt);
        EXPECT_EQ(files_.IsNormalFile(std::string(kFile) + ".saving"), false) << row.why;
        EXPECT_EQ(editor.Text1.Text(), "edited") << row.why;
        EXPECT_TRUE(editor.Changed()) << row.why;
        EXPECT_TRUE(editor.cmdSave.Enabled()) << row.why;
    }
}

TEST_F(ThemeEditorTest, EscAndCloseCloseTheWindowAndOtherKeysDoNot) {
    Open();
    editor_.Form_KeyPress('a');
    editor_.Form_KeyPress(13);
    EXPECT_EQ(host_.closes, 0);
    editor_.Form_KeyPress(27);
    editor_.cmdClose_Click();
    EXPECT_EQ(host_.closes, 2);
}

}  // namespace
}  // namespace velmora::test
