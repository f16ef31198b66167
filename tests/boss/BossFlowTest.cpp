// A boss fight through the outer loop: the victory screen after a fight survived,
// the death screen after a fight lost, and the save written before the victory
// screen's first frame.
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"
#include "support/RunScenario.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> savedLines() {
    std::ifstream file("Data/save.zn");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// Whether the window shows the victory screen's green "RGB SKIN UNLOCKED".
bool skinLineShown() {
    const sf::Image image = captureWindow();
    for (unsigned y = 520; y < 560; y++)
        for (unsigned x = 700; x < 1220; x++) {
            const sf::Color c = image.getPixel(x, y);
            if (c.g > 180 && c.r < 60 && c.b < 60)
                return true;
        }
    return false;
}

class BossFlow : public ::testing::Test {
protected:
    ScreenDriver driver;
    int beaten = 0, died = 0;
    bool sawSavedVictory = false, sawSkinLine = false;

    void SetUp() override {
        static bool fontLoaded = game::arialFont.loadFromFile(VIZOVID_SOURCE_DIR "/Assets/Fonts/ARIAL.ttf");
        ASSERT_TRUE(fontLoaded);
        useTestTextures();
        game::musicSound.openFromFile(VIZOVID_SOURCE_DIR "/Assets/Music/dieSentryTheme.mp3");
        game::difficulty = 4;
        game::saveData.rgbSkinUnlocked = false; // whatever an earlier run of the tests saved
        beaten = game::saveData.timesBeatenDieSentry;
        died = game::saveData.timesDied;
    }
    void TearDown() override {
        game::difficulty = 1;
        game::runActive = game::showDeathScreen = game::showMainMenu = true;
        game::saveData.rgbSkinUnlocked = false;
    }

    // Plays a boss run: from its first frame the Zev Azirid is in its last pause,
    // so the end comes 3 s later, unless loseAtOnce. The player lives until then.
    void fight(bool loseAtOnce) {
        int screenFrames = 0;
        driver.script.framesEnded = 0;
        driver.release();
        driver.step = [&](int frame) {
            if (frame == 1) {
                DieSentry& boss = game::dieSentries.at(0);
                boss.attack = -1;
                boss.nextAttack = 5;
                boss.attackTimer = 0;
                if (loseAtOnce)
                    game::player.health = 0;
                return;
            }
            if (game::runActive) {
                if (!game::bossBeaten)
                    game::player.health = 1000;
                return;
            }
            // The run's last frame ends with runActive cleared; then the result
            // screen's first frame (drawn after this step) and second.
            ++screenFrames;
            if (screenFrames == 2) {
                const std::vector<std::string> lines = savedLines();
                sawSavedVictory = lines.size() == 23 && lines[15] == std::to_string(beaten + 1) && lines[14] == "1";
            }
            if (screenFrames == 3) {
                sawSkinLine = skinLineShown();
                driver.press(960, 740); // the button of either screen
            }
        };
        playOneRun();
    }
};

TEST_F(BossFlow, ASurvivedFightEndsOnTheVictoryScreenAndSavesFirst) {
    fight(false);
    EXPECT_EQ(game::saveData.timesBeatenDieSentry, beaten + 1);
    EXPECT_EQ(game::saveData.timesDied, died); // no death screen
    EXPECT_TRUE(game::saveData.rgbSkinUnlocked);
    EXPECT_TRUE(sawSavedVictory);
    EXPECT_TRUE(sawSkinLine);
    EXPECT_TRUE(game::showMainMenu);
    EXPECT_FALSE(game::bossBeaten); // reset after the screen
    EXPECT_TRUE(game::dieSentries.empty());
    EXPECT_EQ(game::musicSound.getStatus(), sf::Sound::Stopped);

    // A second victory counts but does not announce the skin again.
    beaten = game::saveData.timesBeatenDieSentry;
    fight(false);
    EXPECT_EQ(game::saveData.timesBeatenDieSentry, beaten + 1);
    EXPECT_FALSE(sawSkinLine);
}

TEST_F(BossFlow, ALostFightEndsOnTheDeathScreen) {
    const float bestHard = game::saveData.bestTimeHard;
    fight(true);
    EXPECT_EQ(game::saveData.timesDied, died + 1);
    EXPECT_EQ(game::saveData.timesBeatenDieSentry, beaten);
    EXPECT_EQ(game::saveData.bestTimeHard, bestHard);
    EXPECT_FALSE(game::saveData.rgbSkinUnlocked);
}

} // namespace
