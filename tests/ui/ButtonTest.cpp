// Buttons on the real window, with the mouse and clock scripted through the seam.
#include "app/GameContext.hpp"
#include "support/TestScreen.hpp"
#include "ui/Button.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class ButtonOnScreen : public ::testing::Test {
protected:
    ScriptedInput input;
    sf::SoundBuffer longPress = silence(1.0f);

    void SetUp() override {
        openTestScreen();
        game::frameTime = 1.0f / 60.0f;
        game::buttonSound.setBuffer(longPress);
        game::buttonSound.stop();
    }
    void TearDown() override { game::buttonSound.stop(); }

    // The "Play" button of the main menu: 600 x 100 at (960, 540) with a 5-unit
    // outline, so its bounds run from (655, 485) to (1265, 595), far edges excluded.
    Button play{960, 540, 600, 100, "Play", sf::Color::White, 5};

    void pointAt(int x, int y, bool pressed) {
        input.script.mouse = sf::Vector2i(x, y);
        input.script.leftButton = pressed;
    }
    std::vector<int> fade(Button& button, int frames) {
        std::vector<int> alphas;
        for (int frame = 0; frame < frames; frame++) {
            button.updateHover();
            alphas.push_back(button.fillAlpha);
        }
        return alphas;
    }
};

// A press is level-triggered: true on every frame it is held, but counted once per
// playback of the button sound.
TEST_F(ButtonOnScreen, TheFarEdgesNeitherHoverNorClickAndAHeldPressCountsOncePerSound) {
    ASSERT_EQ(game::window.getSize(), sf::Vector2u(1920, 1080));
    const struct { int x, y; bool pressed, hovered; } rows[] = {
        {1265, 540, true, false}, {960, 595, true, false}, {1264, 594, true, true}, {655, 485, true, true},
        {960, 540, false, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << ", " << row.y);
        Button button{960, 540, 600, 100, "Play", sf::Color::White, 5};
        const int clicksBefore = game::saveData.buttonsClicked;
        const bool clicked = row.hovered && row.pressed;
        pointAt(row.x, row.y, row.pressed);
        for (int frame = 0; frame < 3; frame++) {
            button.updateHover();
            EXPECT_EQ(button.isClicked(), clicked);
        }
        EXPECT_EQ(button.fillAlpha, row.hovered ? 15 : 0);
        game::buttonSound.stop(); // the sound has finished: the held press counts again
        EXPECT_EQ(button.isClicked(), clicked);
        EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore + (clicked ? 2 : 0));
        game::buttonSound.stop();
    }
}

TEST_F(ButtonOnScreen, TheFillFadesInToSeventyAndOutToZeroOneStepPerInterval) {
    pointAt(960, 540, false);
    EXPECT_EQ(fade(play, 17), (std::vector<int>{5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 70, 70, 70}));
    EXPECT_EQ(play.shape.getFillColor(), sf::Color(255, 255, 255, 70));
    EXPECT_EQ(play.shape.getOutlineColor(), sf::Color(255, 255, 255, 192));
    pointAt(100, 100, false);
    EXPECT_EQ(fade(play, 15), (std::vector<int>{65, 60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5, 0, 0}));
    EXPECT_EQ(play.shape.getOutlineColor(), sf::Color::White);

    // 0.9 s over a ceiling of 69: a step every 13 ms, so frames of 5 ms step every
    // third; the first step after the long rest above comes at once.
    pointAt(960, 540, false);
    game::frameTime = 0.005f;
    EXPECT_EQ(fade(play, 6), (std::vector<int>{5, 5, 5, 10, 10, 10}));

    // A translucent colour lowers the ceiling to its own alpha.
    Button faint{960, 540, 600, 100, "Faint", sf::Color(255, 255, 255, 20), 5};
    game::frameTime = 1.0f;
    EXPECT_EQ(fade(faint, 5), (std::vector<int>{5, 10, 15, 20, 20}));
}

TEST_F(ButtonOnScreen, TheLabelIsSizedByTheHeightAndCentred) {
    const std::pair<float, unsigned> sizes[] = {{100.0f, 45u}, {130.0f, 59u}, {140.0f, 63u}};
    for (const auto& [height, size] : sizes)
        EXPECT_EQ(Button(0, 0, 10, height, "x", sf::Color::White, 1).label.getCharacterSize(), size) << height;
    EXPECT_EQ(play.label.getPosition(), sf::Vector2f(960, 540));
    EXPECT_EQ(play.shape.getOrigin(), sf::Vector2f(300, 50));
}

} // namespace
