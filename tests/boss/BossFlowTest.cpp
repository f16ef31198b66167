// A boss fight survived, through the outer loop: the save written before the victory
// screen's first frame, and the skin announced on the first victory only.
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"
#include "app/SfmlCompat.hpp"
#include "persistence/SaveData.hpp"
#include "support/RunScenario.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

namespace {

// Whether the window shows the victory screen's green "RGB SKIN UNLOCKED".
bool skinLineShown() {
    const sf::Image image = captureWindow();
    for (unsigned i = 0; i < 520 * 40; i++) // the band 700 to 1220 across, 520 to 560 down
        if (const sf::Color c = compat::pixel(image, 700 + i % 520, 520 + i / 520); c.g > 180 && c.r < 60 && c.b < 60)
            return true; // one pixel of the green line
    return false;
}

TEST(BossFlow, AFightSurvivedSavesThenShowsTheVictoryScreenWithItsSkinLineOnce) {
    loadGameAssets();
    ScreenDriver driver;
    useTestTextures();
    game::saveData.rgbSkinUnlocked = false; // whatever an earlier run of the tests saved
    for (bool first : {true, false}) { // a second victory counts but does not announce the skin again
        const int beaten = game::saveData.timesBeatenDieSentry;
        const int died = game::saveData.timesDied;
        int saved = -1;
        int screenFrames = 0;
        int skinLine = -1;
        game::difficulty = game::BossFight;
        driver.script.framesEnded = 0;
        driver.release();
        // From its first frame the Zev Azirid is in its last pause, so the end comes 3 s later.
        driver.step = [&](int frame) {
            if (frame == 1) {
                game::dieSentries.at(0).attack = -1;
                game::dieSentries.at(0).nextAttack = 5;
            }
            if (game::runActive && !game::bossBeaten)
                game::player.health = 1000;
            // The run's last frame ends with runActive cleared; then the victory screen's
            // first frame (drawn after this step) and second.
            if (!game::runActive && ++screenFrames == 2)
                saved = SaveData().timesBeatenDieSentry; // as the file holds it
            // The button to the main menu answers only with the focus.
            if (screenFrames == 3) {
                skinLine = skinLineShown();
                driver.press(960, 740);
            }
            driver.script.focus = screenFrames != 3;
        };
        playOneRun();
        EXPECT_EQ(saved, beaten + 1); // counted and saved before the screen's first frame
        EXPECT_EQ(skinLine, first ? 1 : 0);
        EXPECT_EQ(game::saveData.timesDied, died); // no death
        EXPECT_TRUE(game::showMainMenu);
        EXPECT_EQ(screenFrames, 4);
    }
}

} // namespace
