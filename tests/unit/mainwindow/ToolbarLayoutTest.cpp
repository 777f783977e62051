// The browser's default toolbar layouts, and the Repair menu's reset that writes them.
#include "browser/DefaultToolbarLayout.h"
#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

TEST(DefaultToolbarLayout, BothKindsShowTheThrobberAndDifferOnlyInTheBandSizes) {
    const Bytes thick = DefaultToolbarLayout(kThickLayout),
                thin = DefaultToolbarLayout(kThinLayout);
    EXPECT_EQ(DefaultToolbarLayout(7), thick);  // anything but thin is thick
    for (const Bytes& layout : {thick, thin}) {
        ASSERT_EQ(layout.size(), kDefaultLayoutSize);  // 564 stored bytes and the spare one
        // The first word, the flags with the throbber's bit (8) set, the word before the bands.
        EXPECT_EQ(Bytes({layout[0], layout[16], layout[36]}), Bytes({0x11, 0x1F, 5}));
        // Little-endian 32-bit words below 65536, the last at offset 80; zeros after.
        for (std::size_t i = 0; i < layout.size(); ++i)
            EXPECT_TRUE((i % 4 < 2 && i <= 80) || layout[i] == 0) << i;
    }
    // The same header and bands; only the band sizes (the words at 40 and from 56) differ.
    for (std::size_t i = 0; i < kDefaultLayoutSize; ++i)
        EXPECT_TRUE(i / 4 == 10 || i >= 56 || thick[i] == thin[i]) << i;
    EXPECT_NE(thick, thin);
}

TEST_F(MainWindowTest, TheLayoutResetWritesItsKindToAllFourLayoutsAndLocksTheToolbars) {
    const std::pair<const char*, const char*> layouts[] = {{kWebBrowserToolbarKey, kLayoutValue},
                                                           {kToolbarKey, kTheaterLayoutValue},
                                                           {kShellBrowserToolbarKey, kLayoutValue},
                                                           {kExplorerToolbarKey, kLayoutValue}};
    for (const std::int16_t kind : {kThickLayout, kThinLayout}) {
        registry.ClearFaults();
        Seed(kToolbarKey, "Locked", "0");
        registry.InjectFault(RegCall::SetValueEx, [this]() -> std::optional<long> {
            EXPECT_TRUE(dialogs.busy);  // every write behind the hourglass
            return std::nullopt;
        });
        window.pmuLayout_Click(kind == kThickLayout ? LayoutEntry::Thick : LayoutEntry::Thin);
        Bytes expected = DefaultToolbarLayout(kind);
        expected.pop_back();  // the spare element is not stored
        for (const auto& [key, name] : layouts) EXPECT_EQ(ReadBytes(key, name), expected) << key;
        EXPECT_EQ(Read(kToolbarKey, "Locked"), "00000001");
    }
    EXPECT_EQ(browsers.created.size(), 2u);
    EXPECT_EQ(host.broughtToFront, 2);
    EXPECT_FALSE(dialogs.busy);
}

}  // namespace
}  // namespace velmora::test
