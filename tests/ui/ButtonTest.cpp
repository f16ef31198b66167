// Buttons on the real window, with the mouse and clock scripted through the seam.
#include "app/GameContext.hpp"
#include "support/TestScreen.hpp"
#include "ui/Button.hpp"

#include <gtest/gtest.h>

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
};

TEST_F(ButtonOnScreen, ThePointerOnTheFarEdgesNeitherHoversNorClicks) {
    ASSERT_EQ(game::window.getSize(), sf::Vector2u(1920, 1080));
    const int clicksBefore = game::saveData.buttonsClicked;

    for (sf::Vector2i edge : {sf::Vector2i(1265, 540), sf::Vector2i(960, 595)}) {
        pointAt(edge.x, edge.y, true);
        for (int frame = 0; frame < 5; frame++) {
            play.updateHover();
            EXPECT_FALSE(play.isClicked());
        }
        EXPECT_EQ(play.fillAlpha, 0);
    }
    EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore);
    EXPECT_EQ(game::buttonSound.getStatus(), sf::Sound::Stopped);

    // One pixel in, on the near side of both edges, is inside; so is the outline.
    pointAt(1264, 594, true);
    play.updateHover();
    EXPECT_TRUE(play.isClicked());
    pointAt(655, 485, false);
    play.updateHover();
    EXPECT_EQ(play.fillAlpha, 10);
}

TEST_F(ButtonOnScreen, TheFillFadesInToSeventyAndBackOutToZero) {
    pointAt(960, 540, false);
    std::vector<int> fading;
    for (int frame = 0; frame < 17; frame++) {
        play.updateHover();
        fading.push_back(play.fillAlpha);
    }
    const std::vector<int> in = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 70, 70, 70};
    EXPECT_EQ(fading, in);
    EXPECT_EQ(play.shape.getFillColor(), sf::Color(255, 255, 255, 70));
    EXPECT_EQ(play.shape.getOutlineColor(), sf::Color(255, 255, 255, 192));

    pointAt(100, 100, false);
    fading.clear();
    for (int frame = 0; frame < 16; frame++) {
        play.updateHover();
        fading.push_back(play.fillAlpha);
    }
    const std::vector<int> out = {65, 60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5, 0, 0, 0};
    EXPECT_EQ(fading, out);
    EXPECT_EQ(play.shape.getOutlineColor(), sf::Color::White);
}

TEST_F(ButtonOnScreen, AFadeStepWaitsForItsIntervalButNotAfterARest) {
    // 0.9 s over a ceiling of 69: a step every 13 ms; frames of 5 ms step every third.
    pointAt(960, 540, false);
    game::frameTime = 0.005f;
    std::vector<int> fading;
    for (int frame = 0; frame < 6; frame++) {
        play.updateHover();
        fading.push_back(play.fillAlpha);
    }
    EXPECT_EQ(fading, (std::vector<int>{0, 0, 5, 5, 5, 10}));

    // A translucent colour lowers the ceiling to its own alpha.
    Button faint{960, 540, 600, 100, "Faint", sf::Color(255, 255, 255, 20), 5};
    game::frameTime = 1.0f;
    for (int frame = 0; frame < 10; frame++)
        faint.updateHover();
    EXPECT_EQ(faint.maxFillAlpha, 20);
    EXPECT_EQ(faint.fillAlpha, 20);
}

TEST_F(ButtonOnScreen, AHeldPressIsTrueEveryFrameButCountsOncePerSound) {
    const int clicksBefore = game::saveData.buttonsClicked;
    pointAt(960, 540, true);
    for (int frame = 0; frame < 10; frame++) {
        play.updateHover();
        EXPECT_TRUE(play.isClicked());
    }
    EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore + 1);
    EXPECT_EQ(game::buttonSound.getStatus(), sf::Sound::Playing);

    // Once the sound has finished, the same held press counts again.
    game::buttonSound.stop();
    EXPECT_TRUE(play.isClicked());
    EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore + 2);

    // Released, it is no click at all.
    game::buttonSound.stop();
    pointAt(960, 540, false);
    EXPECT_FALSE(play.isClicked());
    EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore + 2);
}

TEST_F(ButtonOnScreen, TheLabelIsSizedByTheHeightAndCentred) {
    EXPECT_EQ(play.label.getCharacterSize(), 45u);
    EXPECT_EQ(Button(0, 0, 10, 130, "x", sf::Color::White, 1).label.getCharacterSize(), 59u);
    EXPECT_EQ(Button(0, 0, 10, 140, "x", sf::Color::White, 1).label.getCharacterSize(), 63u);
    EXPECT_EQ(play.label.getPosition(), sf::Vector2f(960, 540));
    EXPECT_EQ(play.label.getStyle(), unsigned(sf::Text::Bold));
    EXPECT_EQ(play.shape.getOrigin(), sf::Vector2f(300, 50));
}

} // namespace
