// The theme editor on the in-memory files: loading, the Changed and Save states, the close
// question, and saves that fail without losing the file or the text; and the About window.
#include <gtest/gtest.h>

#include <functional>

#include "editor/AboutVelmora.h"
#include "editor/frmThemeEditor.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowPorts.h"

namespace velmora::test {
namespace {

const std::string kFile = "C:\\Themes\\Blue\\blue.vlr";
const std::string kSaving = kFile + ".saving";
// CR LF and bare LF line ends, characters of the ANSI code page, no line end at the end.
const std::string kText = "[Velmora]\r\nThemeTitle=Bl\xE9u\r\nAuthor=\xA9 Me\nEnd";

struct ThemeEditorTest : ::testing::Test, TestPlatform {
    ThemeEditorTest() { files.AddFile(kFile, kText); }
    void Type(const std::string& more) {
        editor.Text1.SetText(editor.Text1.Text() + more);
        editor.Text1_Change();
    }
    FakeFormHost host{desktop};
    frmThemeEditor editor{platform, host};
};

TEST_F(ThemeEditorTest, SaveIsEnabledWhileChangedAndWritesTheTextByteForByte) {
    EXPECT_FALSE(editor.cmdSave.Enabled());  // nothing to save yet
    editor.Form_Load();                      // on top; Esc closes, other keys do not
    EXPECT_TRUE(editor.WindowOnTop() && desktop[host.handle].topmost);
    for (int key : {int('a'), 13, 27}) editor.Form_KeyPress(key);
    editor.cmdClose_Click();
    EXPECT_EQ(host.closes, 2);
    editor.SetThemeFile(kFile);
    editor.Text1_Change();  // the binding showing the loaded text again changes nothing
    EXPECT_FALSE(editor.Changed() || editor.cmdSave.Enabled());
    Type("\r\n\x80");
    EXPECT_TRUE(editor.Changed() && editor.cmdSave.Enabled());
    editor.cmdSave_Click();
    EXPECT_EQ(files.ReadFile(kFile), kText + "\r\n\x80");
    EXPECT_FALSE(files.ReadFile(kSaving).has_value());
    EXPECT_FALSE(editor.Changed() || editor.cmdSave.Enabled());
    EXPECT_TRUE(editor.Form_QueryUnload());
    // Typing the saved text back after a change is still a change.
    Type("x");
    editor.Text1.SetText(kText + "\r\n\x80");
    editor.Text1_Change();
    EXPECT_TRUE(editor.cmdSave.Enabled());
    // A file taken over a changed text starts unchanged; a path of no theme drops it.
    editor.SetThemeFile(kFile);
    EXPECT_FALSE(editor.cmdSave.Enabled());
    editor.SetThemeFile("C:\\Themes\\notes.txt");
    EXPECT_EQ(editor.ThemeFile(), "");
    EXPECT_TRUE(dialogs.shown.empty());
    Type("y");  // with no file open, a save only says so
    editor.cmdSave_Click();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(files.ReadFile(".saving").has_value());
}

TEST_F(ThemeEditorTest, ClosingAChangedTextAsksAndAFailedSaveKeepsTheFileTheTextAndChanged) {
    const struct {
        const char* why;
        MsgAnswer answer;
        std::function<void(MemoryFileSystem&)> spoil;  // before a first save; null: none
        const char* reason;                            // that the failed saves give
        std::optional<std::string> file;               // afterwards
    } rows[] = {
        {"yes", MsgAnswer::Yes, nullptr, nullptr, "edited"},
        {"no", MsgAnswer::No, nullptr, nullptr, kText},
        {"cancel", MsgAnswer::Cancel, nullptr, nullptr, kText},
        {"read-only", MsgAnswer::Yes,
         [](MemoryFileSystem& f) { f.AddFile(kFile, kText, MemoryFileSystem::kReadOnly); },
         "Access is denied.", kText},
        {"held open", MsgAnswer::Yes, [](MemoryFileSystem& f) { f.HoldOpen(kFile); },
         "used by another process", kText},
        {"held new file", MsgAnswer::Yes, [](MemoryFileSystem& f) { f.HoldOpen(kSaving); },
         "used by another process", kText},
        {"folder gone", MsgAnswer::Yes, [](MemoryFileSystem& f) { f.Remove(kFile); },
         "cannot find the path", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        TestPlatform t;
        t.files.AddFile(kFile, kText);
        frmThemeEditor fresh(t.platform, host);
        fresh.SetThemeFile(kFile);
        fresh.Text1.SetText("edited");
        fresh.Text1_Change();
        if (row.spoil) {
            row.spoil(t.files);
            fresh.cmdSave_Click();
        }
        t.dialogs.Script({row.answer});
        const bool saved = !row.spoil && row.answer == MsgAnswer::Yes;
        EXPECT_EQ(fresh.Form_QueryUnload(), saved || row.answer == MsgAnswer::No);
        EXPECT_EQ(t.files.ReadFile(kFile), row.file);
        EXPECT_FALSE(t.files.IsNormalFile(kSaving));
        EXPECT_EQ(fresh.Text1.Text(), "edited");
        EXPECT_EQ(fresh.Changed() && fresh.cmdSave.Enabled(), !saved);
        // The save failed twice (a box each) around the question.
        ASSERT_EQ(t.dialogs.shown.size(), row.spoil ? 3u : 1u);
        const MessageRequest& asked = t.dialogs.shown[row.spoil ? 1 : 0];
        EXPECT_EQ(asked.buttons, MsgButtons::YesNoCancel);
        for (const MessageRequest& box : t.dialogs.shown)
            EXPECT_TRUE(box.systemModal &&
                        (&box == &asked || box.text.find(row.reason) != std::string::npos))
                << box.text;
    }
}

TEST(AboutVelmoraTest, ShowsNameAndVersionOnTopAndAnyKeyOrClickCloses) {
    TestPlatform t;
    FakeFormHost host(t.desktop);
    AboutVelmora about(t.platform, host);
    about.Form_Load();
    EXPECT_EQ(about.Label1.Text() + "|" + about.Label2.Text(), "Kelvary|Version (1.1.3)");
    EXPECT_TRUE(about.WindowOnTop() && t.desktop[host.handle].topmost && host.closes == 0);
    for (int key : {27, int('A')}) about.Form_KeyDown(key);
    about.Form_Click();
    EXPECT_EQ(host.closes, 3);
    AboutVelmora(Platform{}, host).Form_Load();  // without ports: the fixed texts only
}

}  // namespace
}  // namespace velmora::test
