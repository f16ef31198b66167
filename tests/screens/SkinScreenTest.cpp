// The skin screen, driven frame by frame through the seam: the colour mixed by the
// three sliders, shown on the preview, and the rainbow toggle that only a beaten
// Zev Azirid reveals. Frames last a quarter second.
#include "app/GameContext.hpp"
#include "screens/SkinScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

const Frame back = press(120, 120);

class SkinScreen : public ::testing::Test {
protected:
    ScreenDriver driver;
    sf::SoundBuffer longPress = silence(10.0f);
    const sf::Texture playerTexture = game::playerTexture;

    sf::Color playerColor = game::saveData.playerColor;
    bool rgbSkinUnlocked = game::saveData.rgbSkinUnlocked;
    bool rgbSkinEnabled = game::saveData.rgbSkinEnabled;
    std::int32_t clicks = game::saveData.buttonsClicked;

    void SetUp() override {
        game::window.setView(game::hudView);
        game::buttonSound.setBuffer(longPress);
        game::buttonSound.stop();
        // A plain white player shows the tint as it is.
        sf::Image white;
        white.create(80, 80, sf::Color::White);
        game::playerTexture.loadFromImage(white);
        driver.script.frameStep = sf::milliseconds(250);
    }

    void TearDown() override {
        game::buttonSound.stop();
        game::playerTexture = playerTexture;
        game::saveData.playerColor = playerColor;
        game::saveData.rgbSkinUnlocked = rgbSkinUnlocked;
        game::saveData.rgbSkinEnabled = rgbSkinEnabled;
        game::saveData.buttonsClicked = clicks;
    }
};

TEST_F(SkinScreen, GreenOffRedAndBlueFullMakeMagenta) {
    // (10, 200, 30): the knobs stand 3 units a value from the tracks' left ends at
    // x = 577.5, so at x = 607.5, 1177.5 and 667.5.
    game::saveData.playerColor = sf::Color(10, 200, 30, 255);
    sf::Color previewShown;
    const int frames = driver.runScreen(skinScreen, {press(607, 520), press(2000, 520), idle, press(1177, 720),
                                                     press(-100, 720), idle, press(667, 920), press(1400, 920), idle, back},
                                        [&](int frame) {
                                            if (frame == 9)
                                                previewShown = captureWindow().getPixel(960, 290);
                                        });
    EXPECT_EQ(frames, 10);
    // On the preview as soon as it is drawn; "<" leaves with the button sound, counted.
    EXPECT_EQ(game::saveData.playerColor, sf::Color(255, 0, 255, 255));
    EXPECT_EQ(previewShown, sf::Color(255, 0, 255, 255));
    EXPECT_EQ(game::saveData.buttonsClicked, clicks + 1);
}

TEST_F(SkinScreen, TheRainbowToggleWaitsForTheUnlockAndOnlyAFocusedEscapeLeaves) {
    // Held on the toggle's place, with Escape down but no focus, it would flip at
    // 0.5 s (frame 3). Frame 4 shows its left outline at x = 340..350 and its middle:
    // the background until the unlock, then yellow and orange at alpha 192 over the
    // background (8, 8, 8). Escape with the focus leaves, silently.
    game::saveData.playerColor = sf::Color(12, 34, 56, 255);
    Frame box = press(400, 720), escape = idle;
    box.escape = escape.escape = true;
    box.focus = false;
    const struct { bool unlocked; sf::Color outline, fill; } rows[] = {
        {false, {8, 8, 8}, {8, 8, 8}}, {true, {255, 255, 0}, {194, 115, 2}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.unlocked);
        game::saveData.rgbSkinUnlocked = row.unlocked;
        game::saveData.rgbSkinEnabled = false;
        sf::Image shown;
        EXPECT_EQ(driver.runScreen(skinScreen, {box, box, box, box, escape}, [&](int frame) {
            if (frame == 4)
                shown = captureWindow();
        }), 5);
        EXPECT_EQ(game::saveData.rgbSkinEnabled, row.unlocked);
        EXPECT_EQ(shown.getPixel(345, 720), row.outline);
        const sf::Color fill = shown.getPixel(400, 720);
        EXPECT_NEAR(fill.r, row.fill.r, 2);
        EXPECT_NEAR(fill.g, row.fill.g, 2);
        EXPECT_NEAR(fill.b, row.fill.b, 2);
    }
    // Leaving keeps the colour; no time guard: "<" on the very first frame leaves.
    EXPECT_EQ(game::saveData.playerColor, sf::Color(12, 34, 56, 255));
    EXPECT_EQ(game::saveData.buttonsClicked, clicks);
    EXPECT_EQ(driver.runScreen(skinScreen, {back}), 1);
}

} // namespace
