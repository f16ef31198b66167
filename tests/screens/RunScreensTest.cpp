// The screens over a run: the death screen's bookkeeping and unlock line, and the
// pause menu's flags and music.
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"
#include "app/SfmlCompat.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/PauseMenu.hpp"
#include "support/RunScenario.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

namespace {

constexpr float restartY = 590;

// Whether the window shows red text (the unlock line's (250, 20, 20)) in the band
// of the unlock line.
bool unlockLineShown() {
    const sf::Image image = captureWindow();
    for (unsigned y = 350; y < 390; y++)
        for (unsigned x = 650; x < 1270; x++) {
            const sf::Color c = compat::pixel(image, x, y);
            if (c.r > 200 && c.g < 60 && c.b < 60)
                return true;
        }
    return false;
}

class RunScreens : public ::testing::Test {
protected:
    ScreenDriver driver;
    sf::SoundBuffer longSound = silence(10.0f);
    bool lineSeen = false;

    void SetUp() override {
        loadGameAssets();
        game::buttonSound.setBuffer(longSound);
        game::showMainMenu = true;
        game::window.clear(sf::Color::Black);
        game::window.display();
    }
    void TearDown() override {
        game::buttonSound.stop();
        game::musicSound.stop();
    }

    // Dies with the run time on the difficulty, looks for the unlock line on the
    // screen's third frame, presses "Restart" without the focus (nothing happens),
    // then leaves by the button at y.
    void die(game::Difficulty difficulty, float runTime, float buttonY) {
        game::difficulty = difficulty;
        game::player.runTime = runTime;
        const Frame leave = press(960, buttonY);
        const Frame restartUnfocused = press(960, restartY).unfocused();
        driver.runScreen(deathScreen, {idle, idle, idle, restartUnfocused, leave}, [this](int frame) {
            if (frame == 3)
                lineSeen = unlockLineShown();
        });
    }
};

// Deaths in a row; a fresh row starts with no best times and the fight locked.
TEST_F(RunScreens, TheDeathScreenKeepsBestTimesAndUnlocksTheFightOnce) {
    struct Row {
        const char* name;
        bool fresh;
        game::Difficulty difficulty;
        float runTime;
        bool restart;
        float best[3]; // Average, Hard, HELL afterwards
        bool unlocked, lineShown;
    };
    const Row rows[] = {
        {"Hard past 2:30 unlocks the fight", true, game::Hard, 150.5f, false, {0, 150.5f, 0}, true, true},
        {"a better Hard time, already unlocked", false, game::Hard, 160, true, {0, 160, 0}, true, false},
        {"a worse Hard time keeps the best", false, game::Hard, 100, false, {0, 160, 0}, true, false},
        {"Hard just short of 2:30", true, game::Hard, 149.99f, false, {0, 149.99f, 0}, false, false},
        {"HELL just short of 1:15", true, game::Hell, 74.99f, false, {0, 0, 74.99f}, false, false},
        {"HELL after 1:15", false, game::Hell, 75, false, {0, 0, 75}, true, true},
        {"Average never unlocks", true, game::Average, 500, false, {500, 0, 0}, false, false},
        {"the boss fight keeps no best time", true, game::BossFight, 300, false, {0, 0, 0}, false, false},
    };
    SaveData& save = game::saveData;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.fresh) {
            save.bestTimeAverage = 0;
            save.bestTimeHard = 0;
            save.bestTimeHell = 0;
            save.bossFightUnlocked = false;
        }
        const int died = save.timesDied;
        game::musicSound.play();
        die(row.difficulty, row.runTime, row.restart ? restartY : 740);
        EXPECT_EQ(save.timesDied, died + 1);
        EXPECT_EQ(save.bestTimeAverage, row.best[0]);
        EXPECT_EQ(save.bestTimeHard, row.best[1]);
        EXPECT_EQ(save.bestTimeHell, row.best[2]);
        EXPECT_EQ(save.bossFightUnlocked, row.unlocked);
        EXPECT_EQ(lineSeen, row.lineShown);
        EXPECT_EQ(game::showMainMenu, !row.restart);
        EXPECT_EQ(game::musicSound.getStatus(), sf::SoundSource::Status::Stopped);
    }
}

// Unfocused, neither "Restart" nor Escape does a thing. The menu pauses the music;
// in the boss fight "Continue" takes it on from where it paused.
TEST_F(RunScreens, ThePauseMenuActsOnlyWithTheFocusAndContinuesTheThemeWhereItPaused) {
    const Frame unfocused = press(960, restartY).withEscape().unfocused();
    for (game::Difficulty difficulty : {game::Average, game::BossFight}) {
        SCOPED_TRACE(difficulty);
        game::difficulty = difficulty;
        game::musicSound.play();
        // The theme plays a while, silently: a tenth of a second, however long its stream takes to start.
        for (int tries = 0; tries < 300 && game::musicSound.getPlayingOffset() < sf::milliseconds(100); tries++)
            sf::sleep(sf::milliseconds(10));
        sf::Time pausedAt;
        const auto paused = [&pausedAt](int frame) {
            if (frame == 1)
                pausedAt = game::musicSound.getPlayingOffset();
            EXPECT_EQ(game::musicSound.getStatus(), sf::SoundSource::Status::Paused);
        };
        const std::vector<Frame> frames = framesOf({{unfocused, 3}, {idle, 1}, {press(960, 440), 1}});
        EXPECT_EQ(driver.runScreen(pauseMenu, frames, paused), 5);
        EXPECT_TRUE(game::runActive);
        const bool resumed = game::musicSound.getStatus() == sf::SoundSource::Status::Playing;
        EXPECT_EQ(resumed, difficulty == game::BossFight);
        EXPECT_GE(pausedAt, sf::milliseconds(100));
        EXPECT_GE(game::musicSound.getPlayingOffset(), pausedAt);
        game::musicSound.stop();
    }
}

// The outer loop: "Restart" goes straight into the next run, "Quit To Main Menu" into
// the menu, and neither shows the death screen. A screen out of place would break
// the script's timing and keep the loop from ending.
TEST_F(RunScreens, ThePauseMenuLeadsStraightToTheNextRunOrToTheMenu) {
    useTestTextures();
    const int deaths = game::saveData.timesDied;
    game::showMainMenu = false;
    const std::vector<Frame> frames = framesOf({
        {idle, 2},             // run 1
        {escape, 1},           // paused
        {press(960, 590), 1},  // "Restart"
        {idle, 2},             // run 2
        {escape, 1},           // paused
        {press(960, 890), 1},  // "Quit To Main Menu"
        {idle, 4},             // the main menu
        {press(960, 990), 3},  // "Quit Game"
    });
    float secondRunTime = 0; // run 1 had three frames; run 2 has had two by frame 5
    const auto newRun = [&secondRunTime](int frame) {
        if (frame == 5)
            secondRunTime = game::player.runTime;
    };
    EXPECT_EQ(driver.runScreen(runScreens, frames, newRun), 15);
    EXPECT_EQ(secondRunTime, 2 * oneFrame);
    EXPECT_FALSE(game::appRunning);
    EXPECT_EQ(game::saveData.timesDied, deaths);
}

} // namespace
