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
        game::saveData.bossFightUnlocked = false;
        game::difficulty = 1;
        game::runActive = game::showDeathScreen = game::showMainMenu = true;
    }

    // Dies with the run time on the difficulty, looks for the unlock line on the
    // screen's third frame, then leaves by the button at y.
    void die(int difficulty, float runTime, float buttonY) {
        game::difficulty = difficulty;
        game::player.runTime = runTime;
        const Frame leave = press(960, buttonY);
        driver.runScreen(deathScreen, {idle, idle, idle, leave}, [this](int frame) {
            if (frame == 3)
                lineSeen = unlockLineShown();
        });
    }
};

// Deaths in a row; a fresh row starts with no best times and the fight locked.
TEST_F(RunScreens, TheDeathScreenKeepsBestTimesAndUnlocksTheFightOnce) {
    const struct {
        bool fresh;
        int difficulty;
        float runTime;
        bool restart;
        float best[3]; // Average, Hard, HELL afterwards
        bool unlocked, lineShown;
    } deaths[] = {
        {true, 2, 150.5f, false, {0, 150.5f, 0}, true, true},
        {false, 2, 160, true, {0, 160, 0}, true, false},
        {false, 2, 100, false, {0, 160, 0}, true, false},
        {true, 2, 149.99f, false, {0, 149.99f, 0}, false, false},
        {true, 3, 74.99f, false, {0, 0, 74.99f}, false, false},
        {false, 3, 75, false, {0, 0, 75}, true, true},
        {true, 1, 500, false, {500, 0, 0}, false, false},
        {true, 4, 300, false, {0, 0, 0}, false, false},
    };
    SaveData& save = game::saveData;
    for (const auto& death : deaths) {
        SCOPED_TRACE(death.difficulty * 1000 + death.runTime);
        if (death.fresh)
            save.bestTimeAverage = save.bestTimeHard = save.bestTimeHell = 0, save.bossFightUnlocked = false;
        const int died = save.timesDied;
        game::musicSound.play();
        die(death.difficulty, death.runTime, death.restart ? restartY : 740);
        EXPECT_EQ(save.timesDied, died + 1);
        EXPECT_EQ(save.bestTimeAverage, death.best[0]);
        EXPECT_EQ(save.bestTimeHard, death.best[1]);
        EXPECT_EQ(save.bestTimeHell, death.best[2]);
        EXPECT_EQ(save.bossFightUnlocked, death.unlocked);
        EXPECT_EQ(lineSeen, death.lineShown);
        EXPECT_EQ(game::showMainMenu, !death.restart);
        EXPECT_EQ(game::musicSound.getStatus(), sf::SoundSource::Status::Stopped);
    }
}

// Unfocused, neither "Restart" nor Escape does a thing; "Continue" resumes the
// music, which the menu paused, only in the boss fight.
TEST_F(RunScreens, ThePauseMenuPausesTheMusicAndActsOnlyWithTheFocus) {
    const Frame unfocused{960, 590, true, true, false};
    for (int difficulty : {1, 4}) {
        game::difficulty = difficulty;
        game::musicSound.play();
        EXPECT_EQ(driver.runScreen(pauseMenu, {unfocused, unfocused, unfocused, idle, press(960, 440)},
                                   [](int frame) { EXPECT_TRUE(frame > 1 || game::musicSound.getStatus() == sf::SoundSource::Status::Paused); }),
                  5);
        EXPECT_TRUE(game::runActive);
        EXPECT_EQ(game::musicSound.getStatus(), difficulty == 4 ? sf::SoundSource::Status::Playing : sf::SoundSource::Status::Paused);
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
    const Frame escape{1800, 1000, false, true}, quit = press(960, 990);
    const std::vector<Frame> frames = {idle, idle, escape, press(960, 590), // run 1, paused, "Restart"
                                       idle, idle, escape, press(960, 890), // run 2, paused, "Quit To Main Menu"
                                       idle, idle, idle, idle, quit, quit, quit}; // the menu's "Quit Game"
    const auto newRun = [](int frame) { // run 1 had three frames; run 2 has had two
        EXPECT_TRUE(frame != 5 || game::player.runTime == 2 * oneFrame) << game::player.runTime;
    };
    EXPECT_EQ(driver.runScreen(runScreens, frames, newRun), 15);
    EXPECT_FALSE(game::appRunning);
    EXPECT_EQ(game::saveData.timesDied, deaths);
}

} // namespace
