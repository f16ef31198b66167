// The screens over a run: the death screen's bookkeeping and unlock line, and the
// pause menu's flags and music.
#include "app/GameContext.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/PauseMenu.hpp"
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
            const sf::Color c = image.getPixel(x, y);
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
        static bool fontLoaded = game::arialFont.loadFromFile(VIZOVID_SOURCE_DIR "/Assets/Fonts/ARIAL.ttf");
        ASSERT_TRUE(fontLoaded);
        game::buttonSound.setBuffer(longSound);
        game::musicSound.openFromFile(VIZOVID_SOURCE_DIR "/Assets/Music/dieSentryTheme.mp3");
        SaveData& save = game::saveData;
        save.bestTimeAverage = save.bestTimeHard = save.bestTimeHell = 0;
        save.bossFightUnlocked = false;
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
    void die(int difficulty, float runTime, float buttonY = 740) {
        game::difficulty = difficulty;
        game::player.runTime = runTime;
        lineSeen = false;
        driver.release();
        driver.step = [this, buttonY](int frame) {
            if (frame == 3) {
                lineSeen = unlockLineShown();
                driver.press(960, buttonY);
            }
        };
        deathScreen();
        driver.script.framesEnded = 0;
    }
};

TEST_F(RunScreens, AGoodHardRunUnlocksTheBossFightAndSaysSoOnce) {
    const int deaths = game::saveData.timesDied;
    die(2, 150.5f);
    EXPECT_EQ(game::saveData.bestTimeHard, 150.5f);
    EXPECT_TRUE(game::saveData.bossFightUnlocked);
    EXPECT_TRUE(lineSeen);
    EXPECT_TRUE(game::showMainMenu);

    die(2, 160.0f, restartY);
    EXPECT_EQ(game::saveData.bestTimeHard, 160.0f);
    EXPECT_FALSE(lineSeen);
    EXPECT_FALSE(game::showMainMenu);

    // A worse run leaves the best time; an equal one too.
    die(2, 160.0f);
    EXPECT_EQ(game::saveData.bestTimeHard, 160.0f);
    EXPECT_EQ(game::saveData.timesDied, deaths + 3);
}

TEST_F(RunScreens, SeventyFiveSecondsOnHellUnlockButJustUnderDoNot) {
    die(3, 74.99f);
    EXPECT_FALSE(game::saveData.bossFightUnlocked);
    EXPECT_FALSE(lineSeen);
    die(3, 75.0f);
    EXPECT_TRUE(game::saveData.bossFightUnlocked);
    EXPECT_TRUE(lineSeen);
    EXPECT_EQ(game::saveData.bestTimeHell, 75.0f);
}

TEST_F(RunScreens, ADeathInTheBossFightCountsButSetsNoBestTime) {
    const int deaths = game::saveData.timesDied;
    game::musicSound.play();
    die(4, 300.0f);
    EXPECT_EQ(game::saveData.timesDied, deaths + 1);
    EXPECT_EQ(game::saveData.bestTimeAverage + game::saveData.bestTimeHard + game::saveData.bestTimeHell, 0.0f);
    EXPECT_EQ(game::musicSound.getStatus(), sf::Sound::Stopped);
}

TEST_F(RunScreens, RestartAndQuitEndTheRunWithoutADeath) {
    const int deaths = game::saveData.timesDied;
    driver.press(960, 590);
    pauseMenu();
    EXPECT_FALSE(game::runActive);
    EXPECT_FALSE(game::showDeathScreen);
    EXPECT_FALSE(game::showMainMenu);

    game::runActive = game::showDeathScreen = true;
    driver.press(960, 890);
    pauseMenu();
    EXPECT_FALSE(game::runActive);
    EXPECT_FALSE(game::showDeathScreen);
    EXPECT_TRUE(game::showMainMenu);
    EXPECT_EQ(game::saveData.timesDied, deaths);
}

TEST_F(RunScreens, ContinueResumesTheMusicOnlyInTheBossFight) {
    for (int difficulty : {1, 4}) {
        game::difficulty = difficulty;
        game::runActive = true;
        game::musicSound.play();
        driver.release();
        driver.script.framesEnded = 0;
        driver.step = [this](int frame) {
            if (frame == 1) {
                EXPECT_EQ(game::musicSound.getStatus(), sf::Sound::Paused);
                driver.press(960, 440);
            }
        };
        pauseMenu();
        EXPECT_TRUE(game::runActive);
        EXPECT_EQ(game::musicSound.getStatus(), difficulty == 4 ? sf::Sound::Playing : sf::Sound::Paused);
        game::musicSound.stop();
    }
}

TEST_F(RunScreens, WithoutTheFocusThePauseMenuActsOnNothing) {
    driver.script.focus = false;
    driver.press(960, 590);
    driver.hold(sf::Keyboard::Escape);
    driver.step = [this](int frame) {
        if (frame == 30)
            driver.script.focus = true, driver.press(960, 440);
    };
    pauseMenu();
    EXPECT_TRUE(game::runActive);
    EXPECT_GE(driver.script.framesEnded, 30);
}

} // namespace
