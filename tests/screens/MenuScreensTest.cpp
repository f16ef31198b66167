// The main menu and the difficulty selection, driven frame by frame: their time
// guards at the boundary, the locked "DIE" and its notice.
#include "app/GameContext.hpp"
#include "screens/DifficultyScreen.hpp"
#include "screens/MainMenu.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

namespace {

class Menus : public ::testing::Test {
protected:
    ScreenDriver driver;
    sf::SoundBuffer longPress = silence(5.0f);
    int clicksBefore = 0;

    void SetUp() override {
        game::buttonSound.setBuffer(longPress);
        game::buttonSound.stop();
        game::appRunning = true;
        game::difficulty = 1;
        game::saveData.bossFightUnlocked = false;
        clicksBefore = game::saveData.buttonsClicked;
    }
    void TearDown() override {
        game::buttonSound.stop();
        game::appRunning = true;
        game::difficulty = 1;
        game::saveData.bossFightUnlocked = false;
    }
};

// The main menu saves as it opens. Its guards are strict: "Quit Game" after 0.1 s,
// Escape (which saves again) after 0.4 s, both timed again from zero when a
// sub-screen returns, and only with the focus.
TEST_F(Menus, TheMainMenuQuitsOnlyPastItsGuardsAndWithTheFocus) {
    const Frame quit = press(960, 990), settings = press(960, 840), escape{1800, 1000, false, true};
    const Frame unfocused{960, 990, true, true, false};
    const struct {
        const char* name;
        int stepMs;
        std::vector<Frame> frames;
        int framesRun, clicks; // one sound, one count
    } scripts[] = {
        {"Quit Game at 0, 0.05, 0.1, 0.15 s", 50, {quit, quit, quit, quit}, 4, 1},
        {"Escape at 0 .. 0.5 s", 100, std::vector<Frame>(6, escape), 6, 0},
        {"Settings at 0.2 s, left by Escape held through 0.1 .. 0.4 s",
         100, {settings, settings, settings, escape, escape, escape, escape, idle, quit, quit}, 9, 1},
        {"half a second without the focus", 17, std::vector<Frame>(30, unfocused), 31, 1},
    };
    for (const auto& script : scripts) {
        SCOPED_TRACE(script.name);
        game::appRunning = true;
        game::buttonSound.stop();
        const int clicks = game::saveData.buttonsClicked;
        driver.script.frameStep = sf::milliseconds(script.stepMs);
        std::vector<Frame> frames = script.frames;
        frames.insert(frames.end(), 3, quit); // focused again
        std::remove("Data/save.zn");
        game::saveData.timesDied = 4321;
        const auto savedOnOpening = [](int frame) {
            EXPECT_TRUE(frame != 1 || std::exchange(game::saveData.timesDied, 4322) == SaveData().timesDied);
        };
        EXPECT_EQ(driver.runScreen(mainMenu, frames, savedOnOpening), script.framesRun);
        EXPECT_EQ(SaveData().timesDied, script.clicks ? 4321 : 4322); // only Escape saves again
        EXPECT_FALSE(game::appRunning);
        EXPECT_EQ(game::saveData.buttonsClicked - clicks, script.clicks);
    }
}

TEST_F(Menus, PlayActsAtOnceAndAHeldPressWaitsForTheDifficultyGuard) {
    // Over the part of "Play" that covers "Hard": "Play" on the first frame, let go
    // and pressed again at once, then "Hard" once the selection has been open 0.2 s.
    driver.script.frameStep = sf::milliseconds(50);
    driver.press(800, 560);
    driver.step = [this](int frame) { frame == 1 ? driver.release() : driver.press(800, 560); };
    mainMenu();
    EXPECT_TRUE(game::appRunning);
    EXPECT_EQ(game::difficulty, 2);
    EXPECT_EQ(driver.script.framesEnded, 4); // the selection's frames read 0 .. 0.2
}

// A locked "DIE" shows its notice, which keeps "Average" from answering; "OK" closes
// it even without the focus, and a press still held then acts on what lies under it.
TEST_F(Menus, ALockedDieShowsTheNoticeUntilOk) {
    std::vector<Frame> frames(20, press(1710, 590)); // "DIE", past its 0.2 s
    frames.insert(frames.end(), {idle, press(210, 590), press(210, 590), idle});
    frames.insert(frames.end(), {Frame{760, 650, true, false, false}, press(760, 650)}); // "OK" over "Hard"
    EXPECT_EQ(driver.runScreen(difficultyScreen, frames), 26);
    EXPECT_EQ(game::difficulty, 2);
}

// Each choice, held from the selection's first frame, acts at 0.2 s; "DIE" needs no focus.
TEST_F(Menus, EachDifficultyButtonChoosesItsRun) {
    game::saveData.bossFightUnlocked = true;
    driver.script.frameStep = sf::milliseconds(100);
    const struct {
        float x;
        int difficulty;
    } choices[] = {{210, 1}, {710, 2}, {1210, 3}, {1710, 4}};
    for (const auto& choice : choices) {
        const Frame held{choice.x, 590, true, false, choice.difficulty != 4};
        EXPECT_EQ(driver.runScreen(difficultyScreen, std::vector<Frame>(3, held)), 3);
        EXPECT_EQ(game::difficulty, choice.difficulty);
    }
}

} // namespace
