// One press acts on one screen: a mouse button, Escape or B still held as a screen
// opens, or as a screen opened from another returns to it, acts there only once it
// has been let go. Frames last 50 ms; the press held from the first frame acts on
// the first screen, and only the new press of the last frame ends the last one.
#include "app/GameContext.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/PauseMenu.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

namespace {

const Frame padB = idle.withPadB();

// Screens one after the other, as the game strings them together.
void pauseThenMainMenu() {
    pauseMenu();
    mainMenu();
}
void deathThenPauseMenu() {
    deathScreen();
    pauseMenu();
}
void statsThenMainMenu() {
    statsScreen();
    mainMenu();
}

TEST(HeldPress, ActsOnlyOnTheScreenWhereItBegan) {
    ScreenDriver driver;
    driver.script.frameStep = sf::milliseconds(50);
    struct Row {
        const char* name;
        void (*screens)();
        std::vector<Frame> frames;
        int framesRun;
    };
    const Row rows[] = {
        {"\"Quit To Main Menu\" held over the main menu's \"Settings\"", pauseThenMainMenu,
         framesOf({{press(960, 890), 6}, {idle, 1}, {press(960, 990), 1}}), 8},
        {"the death screen's \"Restart\" held over the pause menu's", deathThenPauseMenu,
         framesOf({{press(960, 590), 6}, {idle, 1}, {press(960, 440), 1}}), 8},
        {"the stats screen's Escape held 0.7 s into the main menu", statsThenMainMenu,
         framesOf({{escape, 14}, {idle, 1}, {press(960, 990), 1}}), 16},
        {"Escape leaving the stats screen opened from the main menu", mainMenu,
         framesOf({{press(1122, 690), 4}, {idle, 1}, {escape, 14}, {idle, 1}, {press(960, 990), 1}}), 21},
        {"B leaving the settings opened from the pause menu", pauseMenu,
         framesOf({{press(960, 740), 1}, {idle, 1}, {padB, 6}, {idle, 1}, {press(960, 440), 1}}), 10},
    };
    for (const Row& row : rows) {
        game::runActive = true;
        EXPECT_EQ(driver.runScreen(row.screens, row.frames), row.framesRun) << row.name;
    }
}

} // namespace
