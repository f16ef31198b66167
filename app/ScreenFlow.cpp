// The outer loop over the screens.
#include "app/ScreenFlow.hpp"

#include "app/GameContext.hpp"
#include "replay/Replay.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/VictoryScreen.hpp"

void runScreens() {
    while (game::appRunning) {
        if (game::showMainMenu) {
            mainMenu();
            if (!game::appRunning)
                return;
        }
        playOneRun();
    }
}

void playOneRun() {
    replay::record();
    startRun();
    game::runActive = true;
    runLoop();
    // The run that just ended goes to the replays before any screen books it.
    replay::keep(replay::finish());
    // Beating the boss ends the run by the player's death too, but earns the
    // victory screen instead. A run left through the pause menu shows neither.
    if (game::showDeathScreen && !game::bossBeaten)
        deathScreen();
    if (game::bossBeaten)
        victoryScreen();
    resetRun();
}
