// Velmora.exe started with a file, driven like a user: its message boxes are read and
// answered, then the registry of the prefix shows what it did.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "tests/e2e/OceanSample.h"
#include "tests/e2e/RegistryProbe.h"
#include "tests/e2e/VelmoraProcess.h"

namespace velmora::e2e {
namespace {

const std::string kToolbar = "Software\\Microsoft\\Internet Explorer\\Toolbar";
const std::string kMark = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";

void ExpectBox(const SeenBox& box, const std::string& text, bool question = true) {
    EXPECT_EQ(box.title, "Kelvary");
    EXPECT_EQ(box.text, text);
    EXPECT_TRUE(box.systemModal);
    EXPECT_EQ(box.hasYes && box.hasNo && !box.hasOk, question);
    EXPECT_EQ(box.hasOk && !box.hasYes, !question);
    EXPECT_EQ(box.questionIcon, question);
    EXPECT_EQ(box.criticalIcon, !question);
}

class FileActionsE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        ocean::PrepareRegistry();
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "Velmora E2E";
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    // The question the Ocean sample asks.
    static std::string OceanQuestion() {
        return "Apply the Theme - " + ocean::FileValue("ThemeTitle") + "\r\nAuthor - " +
               ocean::FileValue("Author") + "\r\nDescription - \r\n" +
               ocean::FileValue("Description");
    }
    std::string WriteBitmap(const std::string& name) {
        std::ofstream(folder + "\\" + name, std::ios::binary) << "BM not examined";
        return folder + "\\" + name;
    }

    std::string folder;
};

TEST_F(FileActionsE2eTest, YesAppliesTheOceanSampleToEveryAreaAndNoDeclinesTheBrowser) {
    VelmoraProcess velmora("\"" + ocean::File() + "\"");
    ASSERT_TRUE(velmora.Started());
    const SeenBox question = velmora.WaitForBox();
    ASSERT_NE(question.window, nullptr);
    ExpectBox(question, OceanQuestion());
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, kMark, "").has_value());  // nothing yet
    ASSERT_TRUE(velmora.Press(question, IDYES));

    const SeenBox offer = velmora.WaitForBox();
    ASSERT_NE(offer.window, nullptr);
    ExpectBox(offer, "Theme sucessfully loaded onto your computer.\r\nStart Internet Explorer?");
    ASSERT_TRUE(velmora.Press(offer, IDNO));
    ASSERT_TRUE(velmora.WaitForExit());
    ocean::ExpectApplied();
}

TEST_F(FileActionsE2eTest, NoAtTheFirstQuestionChangesNothingEvenForARelativePath) {
    // Typed in the theme's own folder: the question still shows the theme's own title.
    const std::string themes = ocean::File().substr(0, ocean::File().rfind('\\'));
    VelmoraProcess velmora("Ocean.vlr", themes);
    const SeenBox question = velmora.WaitForBox();
    ASSERT_NE(question.window, nullptr);
    ExpectBox(question, OceanQuestion());
    ASSERT_TRUE(velmora.Press(question, IDNO));
    ASSERT_TRUE(velmora.WaitForExit());

    for (const auto& row : test::ThemeValueRows())
        EXPECT_FALSE(probe::Read(ocean::Root(row), row.key, row.name).has_value()) << row.key;
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, ocean::kLayoutKeys[0], "ITBarLayout"),
              ocean::Layout(0x20));
}

TEST_F(FileActionsE2eTest, AMissingThemeFileGivesTheFailureMessage) {
    const std::string missing = folder + "\\missing.vlr";
    DeleteFileA(missing.c_str());
    VelmoraProcess velmora("\"" + missing + "\"");
    const SeenBox failure = velmora.WaitForBox();
    ASSERT_NE(failure.window, nullptr);
    ExpectBox(failure, "Failed to load and apply the Internet Explorer Theme file:\r\n" + missing,
              false);
    ASSERT_TRUE(velmora.Press(failure, IDOK));
    ASSERT_TRUE(velmora.WaitForExit());
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, kMark, "").has_value());
}

TEST_F(FileActionsE2eTest, ABitmapBecomesBothToolbarBackgrounds) {
    const std::string bitmap = WriteBitmap("Sky Line.bmp");
    VelmoraProcess velmora("\"" + bitmap + "\"");
    const SeenBox question = velmora.WaitForBox();
    ASSERT_NE(question.window, nullptr);
    ExpectBox(question, "Make this image your Toolbar skin?");
    ASSERT_TRUE(velmora.Press(question, IDYES));
    const SeenBox offer = velmora.WaitForBox();
    ASSERT_NE(offer.window, nullptr);
    ExpectBox(offer, "Image sucessfully set as your toolbar skin.\r\nStart Internet Explorer?");
    ASSERT_TRUE(velmora.Press(offer, IDNO));
    ASSERT_TRUE(velmora.WaitForExit());
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, kToolbar, "BackBitmap"), probe::Text(bitmap));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, kToolbar, "BackBitmapIE5"), probe::Text(bitmap));
}

TEST_F(FileActionsE2eTest, ASecondInstanceDoesNothingAtAll) {
    VelmoraProcess first("\"" + ocean::File() + "\"");
    const SeenBox question = first.WaitForBox();
    ASSERT_NE(question.window, nullptr);

    VelmoraProcess second("\"" + WriteBitmap("second.bmp") + "\"");
    ASSERT_TRUE(second.Started());
    EXPECT_TRUE(second.WaitForExit(15000));
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, kToolbar, "BackBitmap").has_value());
    EXPECT_TRUE(IsWindow(question.window));  // the first is neither told nor disturbed
}

}  // namespace
}  // namespace velmora::e2e
