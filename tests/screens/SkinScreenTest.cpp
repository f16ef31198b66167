// The skin screen, driven frame by frame through the seam: the colour mixed by the
// three sliders, shown on the preview, and the rainbow toggle that only a beaten
// Zev Azirid reveals. Frames last a quarter second.
#include "app/GameContext.hpp"
#include "screens/SkinScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace {

const sf::Vector2f back(120, 120);
const sf::Vector2f rainbowBox(400, 720);

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
        game::saveData.rgbSkinUnlocked = false;
        game::saveData.rgbSkinEnabled = false;
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
    sf::Color afterDrag, previewShown;
    const int frames = driver.runScreen(skinScreen, {press(607, 520), press(2000, 520), idle, press(1177, 720), press(-100, 720),
                                  idle, press(667, 920), press(1400, 920), idle, press(back.x, back.y)},
                                 [&](int frame) {
                                     if (frame == 1) {
                                         EXPECT_EQ(game::saveData.playerColor, sf::Color(10, 200, 30, 255));
                                     }
                                     if (frame == 8)
                                         afterDrag = game::saveData.playerColor;
                                     if (frame == 9)
                                         previewShown = captureWindow().getPixel(960, 290);
                                 });
    EXPECT_EQ(frames, 10);
    // In the very frame of the drag, and on the preview as soon as it is drawn.
    EXPECT_EQ(afterDrag, sf::Color(255, 0, 255, 255));
    EXPECT_EQ(previewShown, sf::Color(255, 0, 255, 255));
    EXPECT_EQ(game::saveData.playerColor, sf::Color(255, 0, 255, 255));
    // "<" leaves with the button sound, counted.
    EXPECT_EQ(game::saveData.buttonsClicked, clicks + 1);
}

TEST_F(SkinScreen, LeavingAtOnceKeepsTheColourAndNeedsTheFocus) {
    game::saveData.playerColor = sf::Color(12, 34, 56, 255);
    Frame unfocused = press(back.x, back.y);
    unfocused.escape = true;
    unfocused.focus = false;
    Frame escape = idle;
    escape.escape = true;

    // "<" and Escape are ignored without the focus; Escape with it leaves, silently.
    EXPECT_EQ(driver.runScreen(skinScreen, {unfocused, unfocused, unfocused, escape}), 4);
    EXPECT_EQ(game::saveData.playerColor, sf::Color(12, 34, 56, 255));
    EXPECT_EQ(game::saveData.buttonsClicked, clicks);
    EXPECT_EQ(game::buttonSound.getStatus(), sf::Sound::Stopped);
    // No time guard: "<" on the very first frame leaves.
    EXPECT_EQ(driver.runScreen(skinScreen, {press(back.x, back.y)}), 1);
}

TEST_F(SkinScreen, TheRainbowToggleWaitsForTheUnlock) {
    // Held on the toggle's place for four frames, it would flip at 0.5 s (frame 3).
    const std::vector<Frame> pressToggle = {press(rainbowBox.x, rainbowBox.y), press(rainbowBox.x, rainbowBox.y),
                                            press(rainbowBox.x, rainbowBox.y), press(rainbowBox.x, rainbowBox.y),
                                            idle, press(back.x, back.y)};
    // Seen at frame 6 is frame 5: the left outline at x = 340..350, the middle.
    sf::Color outline, fill;
    const auto look = [&](int frame) {
        if (frame == 5) {
            outline = captureWindow().getPixel(345, 720);
            fill = captureWindow().getPixel(400, 720);
        }
    };

    driver.runScreen(skinScreen, pressToggle, look);
    EXPECT_FALSE(game::saveData.rgbSkinEnabled);
    EXPECT_EQ(outline, sf::Color(8, 8, 8, 255));
    EXPECT_EQ(fill, sf::Color(8, 8, 8, 255));

    game::saveData.rgbSkinUnlocked = true;
    driver.runScreen(skinScreen, pressToggle, look);
    EXPECT_TRUE(game::saveData.rgbSkinEnabled);
    EXPECT_EQ(outline, sf::Color(255, 255, 0, 255));
    // Orange at alpha 192 over the background (8, 8, 8).
    EXPECT_NEAR(fill.r, 194, 2);
    EXPECT_NEAR(fill.g, 115, 2);
    EXPECT_NEAR(fill.b, 2, 2);
}

} // namespace
