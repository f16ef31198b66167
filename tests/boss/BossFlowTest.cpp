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

// Whether the save file counts this many victories with the rainbow skin unlocked.
bool savedVictory(int beaten) {
    std::ifstream file("Data/save.zn");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines.size() == 23 && lines[15] == std::to_string(beaten) && lines[14] == "1";
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

TEST(BossFlow, AFightSurvivedEndsOnTheVictoryScreenAndSavesFirstALostOneOnTheDeathScreen) {
    loadGameAssets();
    ScreenDriver driver;
    useTestTextures();
    game::saveData.rgbSkinUnlocked = false; // whatever an earlier run of the tests saved
    const float bestHard = game::saveData.bestTimeHard;
    struct Row { const char* name; bool lose; int victories, deaths; bool skinLine; };
    // A second victory counts but does not announce the skin again.
    const Row rows[] = {{"lost", true, 0, 1, false}, {"won", false, 1, 0, true}, {"won again", false, 1, 0, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int beaten = game::saveData.timesBeatenDieSentry, died = game::saveData.timesDied;
        bool sawSavedVictory = false, sawSkinLine = false;
        int screenFrames = 0;
        game::difficulty = 4;
        driver.script.framesEnded = 0;
        driver.release();
        // From its first frame the Zev Azirid is in its last pause, so the end comes
        // 3 s later; the player lives until then, or dies at once.
        driver.step = [&](int frame) {
            if (frame == 1) {
                DieSentry& boss = game::dieSentries.at(0);
                boss.attack = -1, boss.nextAttack = 5, boss.attackTimer = 0;
                game::player.health = row.lose ? 0 : 1000;
            } else if (game::runActive && !game::bossBeaten) {
                game::player.health = 1000;
            } else if (!game::runActive) {
                // The run's last frame ends with runActive cleared; then the result
                // screen's first frame (drawn after this step) and second.
                if (++screenFrames == 2)
                    sawSavedVictory = savedVictory(beaten + 1);
                if (screenFrames == 3) {
                    sawSkinLine = skinLineShown();
                    driver.press(960, 740); // the button to the main menu of either screen
                }
            }
        };
        playOneRun();
        EXPECT_EQ(game::saveData.timesBeatenDieSentry, beaten + row.victories);
        EXPECT_EQ(game::saveData.timesDied, died + row.deaths);
        EXPECT_EQ(game::saveData.rgbSkinUnlocked, !row.lose);
        EXPECT_EQ(sawSavedVictory, !row.lose);
        EXPECT_EQ(sawSkinLine, row.skinLine);
        EXPECT_EQ(game::saveData.bestTimeHard, bestHard);
        EXPECT_TRUE(game::showMainMenu);
        EXPECT_FALSE(game::bossBeaten); // reset after the screen
        EXPECT_TRUE(game::dieSentries.empty());
        EXPECT_EQ(game::musicSound.getStatus(), sf::Sound::Stopped);
    }
    game::difficulty = 1;
    game::runActive = game::showDeathScreen = game::showMainMenu = true;
    game::saveData.rgbSkinUnlocked = false;
}

} // namespace
