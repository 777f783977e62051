// The theme record's properties: start values, the two write rules, and that every accessor
// reaches its own member.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

struct TextProperty {
    const char* name;
    std::function<std::string(const clsVelmora&)> read;
    std::function<void(clsVelmora&, const std::string&)> write;
};

// clang-format off
#define TEXT_PROPERTY(name)                                                                 \
    TextProperty{#name, [](const clsVelmora& t) { return t.name(); },                       \
                 [](clsVelmora& t, const std::string& v) { t.Set##name(v); }}
// clang-format on

// Every text property of the record except the two with write rules, written out by hand so
// that a slip in the record's accessors or in the load's key table cannot hide here.
std::vector<TextProperty> PlainTextProperties() {
    return {TEXT_PROPERTY(MSMNewSMS),
            TEXT_PROPERTY(MSMBuzzSound),
            TEXT_PROPERTY(OEFrontPage),
            TEXT_PROPERTY(WUCaption),
            TEXT_PROPERTY(OnlineHelpURL),
            TEXT_PROPERTY(Description),
            TEXT_PROPERTY(CustomizeSearch),
            TEXT_PROPERTY(SearchAssistant),
            TEXT_PROPERTY(WESkin),
            TEXT_PROPERTY(StyleFile),
            TEXT_PROPERTY(StyleThumper),
            TEXT_PROPERTY(StyleAdvert),
            TEXT_PROPERTY(StyleLogo),
            TEXT_PROPERTY(WebSite),
            TEXT_PROPERTY(Author),
            TEXT_PROPERTY(IgnoreColors),
            TEXT_PROPERTY(IgnoreFontStyles),
            TEXT_PROPERTY(IgnoreFontSizes),
            TEXT_PROPERTY(Email),
            TEXT_PROPERTY(Copyright),
            TEXT_PROPERTY(AniLarge),
            TEXT_PROPERTY(BrandLarge),
            TEXT_PROPERTY(AniSmall),
            TEXT_PROPERTY(BrandSmall),
            TEXT_PROPERTY(Title),
            TEXT_PROPERTY(HomePage),
            TEXT_PROPERTY(Localpage),
            TEXT_PROPERTY(SearchBar),
            TEXT_PROPERTY(SearchPage),
            TEXT_PROPERTY(SearchURL),
            TEXT_PROPERTY(DiscussionPage),
            TEXT_PROPERTY(TipsPage),
            TEXT_PROPERTY(WebThumper),
            TEXT_PROPERTY(TheaterThumper),
            TEXT_PROPERTY(ExplorerThumper),
            TEXT_PROPERTY(ShellThumper),
            TEXT_PROPERTY(Style),
            TEXT_PROPERTY(StyleType),
            TEXT_PROPERTY(StyleBkground),
            TEXT_PROPERTY(OpenExplorer),
            TEXT_PROPERTY(OpenIExplore),
            TEXT_PROPERTY(Navigate),
            TEXT_PROPERTY(Activate),
            TEXT_PROPERTY(NewMail),
            TEXT_PROPERTY(MSMessenger),
            TEXT_PROPERTY(ContactOnline),
            TEXT_PROPERTY(NewAlert),
            TEXT_PROPERTY(NewMessage),
            TEXT_PROPERTY(InfoPane),
            TEXT_PROPERTY(ShowInfo),
            TEXT_PROPERTY(OETitle),
            TEXT_PROPERTY(ShowSplash),
            TEXT_PROPERTY(StartMessenger),
            TEXT_PROPERTY(HotMail),
            TEXT_PROPERTY(BackBitmap)};
}

struct Switch {
    const char* name;
    std::function<bool(const clsVelmora&)> read;
    std::function<void(clsVelmora&, bool)> write;
};

// clang-format off
#define SWITCH(name)                                                                        \
    Switch{#name, [](const clsVelmora& t) { return t.name(); },                             \
           [](clsVelmora& t, bool v) { t.Set##name(v); }}
// clang-format on

std::vector<Switch> Switches() {
    return {SWITCH(Apply_StyleExtension), SWITCH(Apply_HomePage),    SWITCH(Apply_SearchBar),
            SWITCH(Apply_Sounds),         SWITCH(Apply_ToolbarSkin), SWITCH(Apply_Throbbers),
            SWITCH(Apply_TipsPage),       SWITCH(Apply_InfoPage)};
}

TEST(clsVelmora, ANewRecordHasEveryTextEmptyAndEverySwitchOn) {
    const clsVelmora theme{Platform{}};
    const std::vector<TextProperty> texts = PlainTextProperties();
    EXPECT_EQ(texts.size(), 55u);  // 57 texts less ThemeTitle and InstallDir
    for (const TextProperty& p : texts) EXPECT_EQ(p.read(theme), "") << p.name;
    EXPECT_EQ(theme.ThemeTitle(), "");
    EXPECT_EQ(theme.InstallDir(), "");
    for (const Switch& s : Switches()) EXPECT_TRUE(s.read(theme)) << s.name;
}

TEST(clsVelmora, EachWriteAccessorReachesOnlyItsOwnProperty) {
    const std::vector<TextProperty> texts = PlainTextProperties();
    for (const TextProperty& written : texts) {
        clsVelmora theme{Platform{}};
        written.write(theme, std::string("value of ") + written.name);
        for (const TextProperty& p : texts) {
            EXPECT_EQ(p.read(theme),
                      p.name == written.name ? "value of " + std::string(p.name) : "")
                << "writing " << written.name << " changed " << p.name;
        }
        EXPECT_EQ(theme.ThemeTitle(), "") << written.name;
        EXPECT_EQ(theme.InstallDir(), "") << written.name;
    }
    for (const Switch& written : Switches()) {
        clsVelmora theme{Platform{}};
        written.write(theme, false);
        for (const Switch& s : Switches()) {
            EXPECT_EQ(s.read(theme), s.name != std::string(written.name))
                << "switching off " << written.name << " changed " << s.name;
        }
        written.write(theme, true);
        EXPECT_TRUE(written.read(theme));
    }
}

TEST(clsVelmora, AnEmptyThemeTitleIsStoredAsUntitled) {
    clsVelmora theme{Platform{}};
    theme.SetThemeTitle("");
    EXPECT_EQ(theme.ThemeTitle(), "[Untitled]");
    theme.SetThemeTitle(" ");
    EXPECT_EQ(theme.ThemeTitle(), " ");
    theme.SetThemeTitle("Ocean");
    EXPECT_EQ(theme.ThemeTitle(), "Ocean");
}

TEST(clsVelmora, InstallDirKeepsTheFolderBeforeTheLastBackslash) {
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {
        {"C:\\Themes\\Blue\\blue.vlr", "C:\\Themes\\Blue"},
        {"C:\\blue.vlr", "C:"},
        {"blue.vlr", ""},
        {"\\blue.vlr", ""},
        {"", ""},
        {"C:\\Themes\\Blue\\", "C:\\Themes\\Blue"},
        {"\\\\server\\share\\blue.vlr", "\\\\server\\share"},
        {"C:/Themes/blue.vlr", ""},  // only the backslash separates
        {"\\\\", "\\"},
    };
    for (const auto& c : cases) {
        clsVelmora theme{Platform{}};
        theme.SetInstallDir("C:\\Earlier");
        theme.SetInstallDir(c.given);
        EXPECT_EQ(theme.InstallDir(), c.stored) << c.given;
    }
}

}  // namespace
}  // namespace velmora::test
