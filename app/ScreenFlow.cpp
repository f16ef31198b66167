// The outer loop over the screens.
#include "app/ScreenFlow.hpp"

#include "app/GameContext.hpp"
#include "persistence/SaveData.hpp"
#include "replay/Replay.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/PracticeScreen.hpp"
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

namespace {

// A practice counts for nothing: the save's record is put back as it was, and
// neither screen of a fight's end follows. A practice that ended by itself, by the
// player's death or by the end of its attack, goes back to the practice screen;
// "Back" there leads to the main menu. "Restart" plays the same practice again.
void endPractice(const SaveData& recordBefore) {
    game::saveData = recordBefore;
    const bool endedByItself = game::showDeathScreen;
    resetRun();
    if (endedByItself && !practiceScreen())
        game::showMainMenu = true;
}

} // namespace

void playOneRun() {
    const SaveData recordBefore = game::saveData;
    replay::record();
    startRun();
    game::runActive = true;
    runLoop();
    // The run that just ended goes to the replays before any screen books it.
    replay::keep(replay::finish());
    if (game::practiceAttack != 0)
        return endPractice(recordBefore);
    // Beating the boss ends the run by the player's death too, but earns the
    // victory screen instead. A run left through the pause menu shows neither.
    if (game::showDeathScreen && !game::bossBeaten)
        deathScreen();
    if (game::bossBeaten)
        victoryScreen();
    resetRun();
}
