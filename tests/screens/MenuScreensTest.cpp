// The main menu and the difficulty selection, driven frame by frame: their time
// guards at the boundary, the screens each button opens, the locked "DIE" and its notice.
#include "app/GameContext.hpp"
#include "run/Practice.hpp"
#include "screens/DifficultyScreen.hpp"
#include "screens/MainMenu.hpp"
#include "support/PracticeState.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <utility>

namespace {

const Frame quitGame = press(960, 990);

class Menus : public ::testing::Test {
protected:
    ScreenDriver driver;
    sf::SoundBuffer longPress = silence(5.0f);

    void SetUp() override {
        game::buttonSound.setBuffer(longPress);
        game::buttonSound.stop();
        game::saveData.bossFightUnlocked = false;
    }
    void TearDown() override { game::buttonSound.stop(); }
};

// The main menu saves as it opens. Its guards are strict: "Quit Game" after 0.1 s,
// Escape (which saves again) after 0.4 s, both timed again from zero when a
// sub-screen returns, and only with the focus.
TEST_F(Menus, TheMainMenuQuitsOnlyPastItsGuardsAndWithTheFocus) {
    const Frame settings = press(960, 840);
    const Frame back = press(120, 120);
    const Frame unfocused = quitGame.withEscape().unfocused();
    struct Row {
        const char* name;
        int stepMs;
        std::vector<Frame> frames;
        int framesRun;
        int clicks; // one sound, one count
    };
    const Row rows[] = {
        {"Quit Game at 0, 0.05, 0.1, 0.15 s", 50, framesOf({{quitGame, 4}}), 4, 1},
        {"Escape at 0 .. 0.5 s", 100, framesOf({{escape, 6}}), 6, 0},
        {"Settings at 0.15 s; Quit Game waits 0.1 s again once it returns", 50,
         framesOf({{settings, 4}, {idle, 1}, {back, 1}, {idle, 1}, {quitGame, 2}}), 9, 1},
        {"half a second without the focus", 17, framesOf({{unfocused, 30}}), 31, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        game::appRunning = true;
        game::buttonSound.stop();
        const int clicks = game::saveData.buttonsClicked;
        driver.script.frameStep = sf::milliseconds(row.stepMs);
        std::vector<Frame> frames = row.frames;
        frames.insert(frames.end(), 3, quitGame); // focused again
        std::remove("Data/save.zn");
        game::saveData.timesDied = 4321;
        const auto changedOnceOpen = [](int frame) {
            if (frame == 1)
                game::saveData.timesDied = 4322;
        };
        EXPECT_EQ(driver.runScreen(mainMenu, frames, changedOnceOpen), row.framesRun);
        EXPECT_EQ(SaveData().timesDied, row.clicks ? 4321 : 4322); // saved as it opens; only Escape saves again
        EXPECT_FALSE(game::appRunning);
        EXPECT_EQ(game::saveData.buttonsClicked - clicks, row.clicks);
    }
}

// "Your Skin" opens the skin screen, whose red slider lies where the stats screen
// shows only text; each is left by its "<", and then "Quit Game" ends the menu.
TEST_F(Menus, YourSkinAndYourStatsOpenTheirOwnScreens) {
    const Frame redKnob = press(607, 520);
    const Frame redTrackEnd = press(2000, 520);
    struct Row {
        const char* name;
        Frame button;
        std::uint8_t red;
    };
    const Row rows[] = {
        {"\"Your Skin\"", press(797, 690), 255},
        {"\"Your Stats\"", press(1122, 690), 10},
    };
    for (const Row& row : rows) {
        game::saveData.playerColor = sf::Color(10, 200, 30);
        game::appRunning = true;
        const std::vector<Frame> frames = framesOf(
            {{row.button, 8}, {idle, 1}, {redKnob, 1}, {redTrackEnd, 1}, {idle, 1}, {press(120, 120), 1}, {idle, 1},
             {quitGame, 8}});
        EXPECT_EQ(driver.runScreen(mainMenu, frames), 19) << row.name;
        EXPECT_EQ(game::saveData.playerColor.r, row.red) << row.name;
        EXPECT_FALSE(game::appRunning) << row.name;
    }
}

TEST_F(Menus, PlayActsAtOnceAndAHeldPressWaitsForTheDifficultyGuard) {
    // Over the part of "Play" that covers "Hard": "Play" on the first frame, let go
    // and pressed again at once, then "Hard" once the selection has been open 0.2 s.
    driver.script.frameStep = sf::milliseconds(50);
    const Frame playOverHard = press(800, 560);
    EXPECT_EQ(driver.runScreen(mainMenu, {playOverHard, idle, playOverHard, playOverHard, playOverHard}), 5);
    EXPECT_TRUE(game::appRunning);
    EXPECT_EQ(game::difficulty, game::Hard);
}

// A locked "DIE" shows its notice, which keeps "Average" from answering; "OK" closes
// it even without the focus, and a press still held then acts on what lies under it.
TEST_F(Menus, ALockedDieShowsTheNoticeUntilOk) {
    const Frame ok = press(760, 650);
    const std::vector<Frame> frames = framesOf({{press(1710, 590), 20}, {idle, 1}, {press(210, 590), 2}, {idle, 1},
                                                {ok.unfocused(), 1}, {ok, 1}});
    EXPECT_EQ(driver.runScreen(difficultyScreen, frames), 26);
    EXPECT_EQ(game::difficulty, game::Hard);
}

// Each choice, held from the selection's first frame, acts at 0.2 s, but only with
// the focus; "DIE" needs none.
TEST_F(Menus, EachDifficultyButtonChoosesItsRun) {
    game::saveData.bossFightUnlocked = true;
    driver.script.frameStep = sf::milliseconds(100);
    struct Row {
        const char* name;
        float x;
        int unfocused, focused; // frames held without the focus, then with it
        game::Difficulty difficulty;
    };
    const Row rows[] = {
        {"Average", 210, 0, 3, game::Average},
        {"Hard, once the focus is back", 710, 3, 1, game::Hard},
        {"HELL", 1210, 0, 3, game::Hell},
        {"DIE, unfocused", 1710, 3, 0, game::BossFight},
    };
    for (const Row& row : rows) {
        const Frame held = press(row.x, 590);
        const std::vector<Frame> frames = framesOf({{held.unfocused(), row.unfocused}, {held, row.focused}});
        EXPECT_EQ(driver.runScreen(difficultyScreen, frames), row.unfocused + row.focused) << row.name;
        EXPECT_EQ(game::difficulty, row.difficulty) << row.name;
    }
}

// "Practice" is there once the fight is unlocked, under "DIE"; of its attacks only
// those reached in a real fight start a practice, and "Back" returns to the choice.
TEST_F(Menus, PracticeStartsOnlyAttacksReachedOnceTheFightIsUnlocked) {
    driver.script.frameStep = sf::milliseconds(100);
    const Frame practice = press(1710, 730), bounceWaves = press(960, 540), back = press(960, 990),
                hard = press(710, 590);
    struct Row {
        const char* name;
        bool unlocked;
        const char* reached; // the file beside the save
        std::vector<Frame> frames;
        int difficulty, practiceAttack;
    };
    const Row rows[] = {
        {"fight locked", false, "4\n", framesOf({{practice, 3}, {idle, 1}, {hard, 1}}), 2, 0},
        {"attack reached", true, "2\n", framesOf({{practice, 3}, {idle, 1}, {bounceWaves, 1}}), 4, 2},
        {"attack locked", true, "1\n",
         framesOf({{practice, 3}, {idle, 1}, {bounceWaves, 2}, {idle, 1}, {back, 1}, {idle, 1}, {hard, 1}}), 2, 0},
    };
    const PracticeState state;
    for (const Row& row : rows) {
        game::saveData.bossFightUnlocked = row.unlocked;
        std::ofstream(practice::reachedPath()) << row.reached;
        driver.runScreen(difficultyScreen, row.frames);
        EXPECT_EQ(game::difficulty, row.difficulty) << row.name;
        EXPECT_EQ(game::practiceAttack, row.practiceAttack) << row.name;
    }
}

} // namespace
