// One press acts on one screen: a mouse button or Escape still held as a screen
// opens, or as a nested screen returns to the one that opened it, acts there only
// once it has been let go. Real screens run one after another as the game strings
// them together, on 50 ms frames: the press held from the first frame acts on the
// first screen, and only the new press of the last frame may end the last screen.
#include "app/GameContext.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/PauseMenu.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

TEST(HeldPress, ActsOnlyOnTheScreenWhereItBegan) {
    ScreenDriver driver;
    driver.script.frameStep = sf::milliseconds(50);
    Frame escape = idle;
    escape.escape = true;
    // The screens in the game's order, what is held and for how many frames, and the new press that leaves.
    const std::tuple<const char*, void (*)(), Frame, int, Frame> cases[] = {
        {"\"Quit To Main Menu\" 0.3 s over the main menu's \"Settings\"", [] { pauseMenu(); mainMenu(); },
         press(960, 890), 6, press(960, 990)},
        {"the death screen's \"Restart\" over the pause menu's", [] { deathScreen(); pauseMenu(); },
         press(960, 590), 6, press(960, 440)},
        {"the stats screen's Escape 0.7 s into the main menu", [] { statsScreen(); mainMenu(); },
         escape, 14, press(960, 990)},
    };
    for (const auto& [what, screens, held, frames, leave] : cases) {
        game::runActive = true;
        std::vector<Frame> script(frames, held);
        script.insert(script.end(), {idle, leave});
        EXPECT_EQ(driver.runScreen(screens, script), frames + 2) << what;
    }
    game::appRunning = game::runActive = game::showMainMenu = true;
}
