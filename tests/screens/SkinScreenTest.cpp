// The skin screen, driven frame by frame through the seam: the colour mixed by the
// three sliders, shown on the preview, and the rainbow toggle that only a beaten
// Zev Azirid reveals. Frames last a quarter second.
#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"
#include "screens/SkinScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

sf::Image shown; // the window on the screen's 13th frame

// Held on the toggle's place, with Escape down but no focus, it would flip at 0.5 s
// (frame 3); the window caught at frame 13 shows its left outline at x = 340..350
// and its middle: the background until the unlock, then yellow and orange at alpha
// 192 over the background (8, 8, 8). Then, still unfocused, red goes full, green off and blue to
// 100: from (10, 200, 30) the knobs stand 3 units a value from the tracks' left ends
// at x = 577.5, so at x = 607.5, 1177.5 and 667.5 (x = 877.5 gives 100). The colour
// shows on the preview as soon as it is drawn. "<" leaves counted, Escape silently.
TEST(SkinScreen, TheSlidersMixTheColourAndTheRainbowToggleWaitsForTheUnlock) {
    ScreenDriver driver;
    const sf::SoundBuffer longPress = silence(10.0f);
    const sf::Texture playerTexture = game::playerTexture;
    // A plain white player shows the tint as it is.
    const std::vector<std::uint8_t> white(80 * 80 * 4, 255);
    (void)compat::resize(game::playerTexture, {80, 80});
    game::playerTexture.update(white.data());
    game::window.setView(game::hudView);
    driver.script.frameStep = sf::milliseconds(250);
    std::vector<Frame> frames = framesOf({
        {press(400, 720), 4},                            // the rainbow toggle's place
        {press(607, 520), 1}, {press(2000, 520), 1},     // red dragged full
        {idle, 1},
        {press(1177, 720), 1}, {press(-100, 720), 1},    // green dragged off
        {idle, 1},
        {press(667, 920), 1}, {press(877, 920), 1},      // blue dragged to 100
        {idle, 2},
    });
    for (Frame& frame : frames) {
        frame.escape = true;
        frame.focus = false;
    }
    struct Row {
        const char* name;
        bool unlocked;
        Frame leave;
        int clicked;
        sf::Color outline, fill;
    };
    const Row rows[] = {
        {"locked: no toggle, left by \"<\"", false, press(120, 120), 1, {8, 8, 8}, {8, 8, 8}},
        {"unlocked: the toggle flips, left by Escape", true, escape, 0, {255, 255, 0}, {194, 115, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        game::buttonSound.setBuffer(longPress);
        game::saveData.playerColor = sf::Color(10, 200, 30, 255);
        game::saveData.rgbSkinUnlocked = row.unlocked;
        game::saveData.rgbSkinEnabled = false;
        frames.back() = row.leave;
        const std::int32_t clicks = game::saveData.buttonsClicked;
        EXPECT_EQ(driver.runScreen(skinScreen, frames, [](int frame) { shown = frame == 13 ? captureWindow() : shown; }),
                  14);
        EXPECT_EQ(game::saveData.rgbSkinEnabled, row.unlocked);
        EXPECT_EQ(game::saveData.playerColor, sf::Color(255, 0, 100));
        EXPECT_EQ(compat::pixel(shown, 960, 290), sf::Color(255, 0, 100));
        EXPECT_EQ(compat::pixel(shown, 345, 720), row.outline);
        const sf::Color fill = compat::pixel(shown, 400, 720);
        EXPECT_LE(std::abs(fill.r - row.fill.r) + std::abs(fill.g - row.fill.g) + std::abs(fill.b - row.fill.b), 4);
        EXPECT_EQ(game::saveData.buttonsClicked, clicks + row.clicked);
    }
    // No time guard: "<" on the very first frame leaves.
    EXPECT_EQ(driver.runScreen(skinScreen, {press(120, 120)}), 1);
    game::playerTexture = playerTexture;
}

} // namespace
