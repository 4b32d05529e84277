// Start-up up to the main window, and the skin it gets, against the fake desktop.

#include <gtest/gtest.h>

#include "core/ids.h"
#include "core/skin.h"
#include "core/startup.h"
#include "support/fake_desktop.h"
#include "support/scratch_folder.h"

namespace hashwell::core {
namespace {

class StartUpTest : public ::testing::Test {
protected:
    settings::SettingsEnvironment Environment() const {
        return {folder_.PathOf("hashwell"), [](std::u16string_view) { return std::nullopt; }};
    }
    test::ScratchFolder folder_;
    test::FakeDesktop desktop_;
    AppState state_;
};

TEST_F(StartUpTest, LoadsTheSettingsBesideTheProgramAndGivesTheControlsTheirFirstStates) {
    desktop_.clientSize = {598, 479};
    ASSERT_TRUE(StartUp(desktop_, state_, Environment()));
    EXPECT_EQ(state_.location.SettingsFilePath, folder_.PathOf("Tarnvale/Hashwell/Hashwell.ini"));
    EXPECT_EQ(state_.settings, (settings::AppSettings{u"lower", 2, 1, 0}));
    EXPECT_EQ(state_.savedSettings, state_.settings);
    EXPECT_EQ(state_.startWidth, 598);
    EXPECT_TRUE(desktop_.controls[ControlId::OptionCrc32].checked);
    EXPECT_TRUE(desktop_.controls[ControlId::CheckBits256].checked);
    EXPECT_FALSE(desktop_.controls[ControlId::CheckBits256].enabled);
    EXPECT_FALSE(desktop_.controls[ControlId::ProgressBar].visible);
    EXPECT_EQ(desktop_.background, SkinColor(1));
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].title, u"Notice");
}

TEST_F(StartUpTest, FailedWindowEndsStartUp) {
    desktop_.buildSucceeds = false;
    EXPECT_FALSE(StartUp(desktop_, state_, Environment()));
}

TEST(Skin, ColoursTheWindowOnlyWhenItIsInFrontAndTheSkinIsKnown) {
    EXPECT_EQ(SkinColor(1), (WindowColour{true, {}}));
    EXPECT_EQ(SkinColor(2), (WindowColour{false, {192, 192, 192}}));
    EXPECT_EQ(SkinColor(3), (WindowColour{false, {215, 215, 255}}));
    test::FakeDesktop desktop;
    for (const std::int64_t unknown : {0, 4, -1}) {
        ApplySkin(desktop, WindowId::MainWindow, unknown);
    }
    desktop.foreground = false;
    ApplySkin(desktop, WindowId::MainWindow, 2);
    EXPECT_FALSE(desktop.background.has_value());
    desktop.foreground = true;
    ApplySkin(desktop, WindowId::MainWindow, 3);
    EXPECT_EQ(desktop.background, SkinColor(3));
}

}  // namespace
}  // namespace hashwell::core
