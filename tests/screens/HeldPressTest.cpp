// One press acts on one screen: a mouse button or Escape still held as a screen
// opens, or as a nested screen returns to the one that opened it, acts there only
// once it has been let go. Real screens run one after another as the game strings
// them together, on 50 ms frames; the last frame of each script leaves with a new press.
#include "app/GameContext.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/PauseMenu.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

struct Case {
    const char* what;
    void (*screens)();
    std::vector<std::pair<Frame, int>> runs; // each frame shown so many times
    std::function<bool()> actedOnce;
};

TEST(HeldPress, ActsOnlyOnTheScreenWhereItBegan) {
    ScreenDriver driver;
    driver.script.frameStep = sf::milliseconds(50);
    const sf::SoundBuffer longPress = silence(10.0f);
    game::buttonSound.setBuffer(longPress);
    Frame escape = idle;
    escape.escape = true;
    const Frame quitGame = press(960, 990), resume = press(960, 440);
    const Case cases[] = {
        {"pause menu's \"Quit To Main Menu\", 0.3 s, over the main menu's \"Settings\"", [] { pauseMenu(); mainMenu(); },
         {{press(960, 890), 6}, {idle, 1}, {quitGame, 1}}, [] { return game::difficulty == 3 && !game::appRunning; }},
        {"death screen's \"Restart\" over the pause menu's", [] { deathScreen(); pauseMenu(); },
         {{press(960, 590), 6}, {idle, 1}, {resume, 1}}, [] { return game::runActive && !game::showMainMenu; }},
        {"stats screen's Escape, 0.7 s, in the main menu", [] { statsScreen(); mainMenu(); },
         {{escape, 14}, {idle, 1}, {quitGame, 1}}, [] { return !game::appRunning; }},
        {"main menu's \"Settings\" onto the audio knob, then Escape back", mainMenu,
         {{press(960, 840), 6}, {press(1200, 840), 4}, {idle, 1}, {escape, 1}, {idle, 3}, {quitGame, 1}},
         [] { return game::difficulty == 1 && game::audioVolume == 50; }},
        {"settings' \"<\" back onto the pause menu's \"Quit To Main Menu\"", pauseMenu,
         {{press(960, 740), 3}, {idle, 1}, {press(120, 120), 1}, {press(960, 890), 4}, {idle, 1}, {resume, 1}},
         [] { return game::runActive; }},
    };
    for (const Case& c : cases) {
        game::appRunning = game::runActive = game::showMainMenu = true;
        game::difficulty = 3, game::audioVolume = 50;
        std::vector<Frame> frames;
        for (const auto& [frame, count] : c.runs)
            frames.insert(frames.end(), count, frame);
        EXPECT_EQ(driver.runScreen(c.screens, frames), int(frames.size())) << c.what;
        EXPECT_TRUE(c.actedOnce()) << c.what;
    }
    game::buttonSound.stop();
    game::appRunning = game::runActive = game::showMainMenu = true;
    game::difficulty = 1;
}

} // namespace
