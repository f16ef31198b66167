// Buttons on the real window, the mouse and the clock scripted through the seam.
#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"
#include "support/TestScreen.hpp"
#include "ui/Button.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Alphas = std::vector<int>; // fill alphas, one a frame

struct ButtonOnScreen : ::testing::Test {
    ScriptedInput input;
    sf::SoundBuffer longPress = silence(1.0f);

    void SetUp() override {
        openTestScreen();
        loadGameAssets();
        game::buttonSound.setBuffer(longPress);
        game::frameTime = 1.0f / 60.0f;
    }
    Alphas fade(Button& button, sf::Vector2i at, int frames) {
        input.script.mouse = at;
        Alphas alphas;
        for (int frame = 0; frame < frames; frame++) {
            button.updateHover();
            alphas.push_back(button.fillAlpha);
        }
        return alphas;
    }
};

// The "Play" button of the main menu is 600 x 100 at (960, 540) with a 5-unit outline, so its bounds run from
// (655, 485) to (1265, 595), far edges excluded. A press is level-triggered: true on every frame it is held, but
// counted once per playback of the button sound.
TEST_F(ButtonOnScreen, TheFarEdgesMissAndAHeldPressCountsOncePerSound) {
    struct Row {
        const char* name;
        int x, y;
        bool pressed, hovered;
    };
    const Row rows[] = {
        {"the right edge", 1265, 540, true, false},
        {"the bottom edge", 960, 595, true, false},
        {"the last pixel inside", 1264, 594, true, true},
        {"the top left corner", 655, 485, true, true},
        {"hovered, not pressed", 960, 540, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Button button(960, 540, 600, 100, "Play", sf::Color::White, 5);
        const int clicksBefore = game::saveData.buttonsClicked;
        const bool clicked = row.hovered && row.pressed;
        game::buttonSound.stop();
        input.script.leftButton = row.pressed;
        EXPECT_EQ(fade(button, {row.x, row.y}, 1), Alphas{row.hovered ? 5 : 0});
        EXPECT_EQ(button.isClicked(), clicked);
        EXPECT_EQ(button.isClicked(), clicked); // held on while the sound plays: not counted again
        game::buttonSound.stop();               // the sound has finished: the held press counts again
        EXPECT_EQ(button.isClicked(), clicked);
        EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore + 2 * clicked);
    }
}

// Hovered, the fill rises by 5 a frame to its ceiling of 70 and the outline dims;
// left, it falls back.
TEST_F(ButtonOnScreen, TheFillFadesOneStepPerInterval) {
    Button button(960, 540, 600, 100, "Play", sf::Color::White, 5);
    EXPECT_EQ(fade(button, {960, 540}, 15), (Alphas{5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 70}));
    EXPECT_EQ(button.shape.getFillColor(), sf::Color(255, 255, 255, 70));
    EXPECT_EQ(button.shape.getOutlineColor(), sf::Color(255, 255, 255, 192));
    EXPECT_EQ(fade(button, {100, 540}, 15), (Alphas{65, 60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5, 0, 0}));
    EXPECT_EQ(button.shape.getOutlineColor(), sf::Color::White);
}

} // namespace
