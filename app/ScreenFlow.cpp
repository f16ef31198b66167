// The outer loop over the screens.
#include "app/ScreenFlow.hpp"

#include "app/GameContext.hpp"
#include "persistence/SaveData.hpp"
#include "run/Replay.hpp"
#include "run/ReplayShelf.hpp"
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

// The run that just ended goes to the replays, before any screen books it.
void keepTheRun() {
    const ReplayEnding ending = game::bossBeaten        ? ReplayEnding::Victory
                                : game::showDeathScreen ? ReplayEnding::Death
                                                        : ReplayEnding::Left;
    const Replay run = replay::finishRecording(ending);
    // The death screen raises the best time by the same rule.
    const float* best = game::saveData.bestTimeOf(game::difficulty);
    const bool newBest = ending == ReplayEnding::Death && best && game::player.runTime > *best;
    keepRun(run, newBest);
}

// A practice counts for nothing: what it added to the statistics is taken back, and
// neither screen of a fight's end follows. A practice that ended by itself, by the
// player's death or by the end of its attack, goes back to the practice screen;
// "Back" there leads to the main menu. "Restart" plays the same practice again.
void endPractice(const RunStatistics& before) {
    before.putBack(game::saveData);
    const bool endedByItself = game::showDeathScreen;
    resetRun();
    if (endedByItself && !practiceScreen())
        game::showMainMenu = true;
}

} // namespace

void playOneRun() {
    const RunStatistics before = RunStatistics::of(game::saveData);
    replay::startRecording();
    startRun();
    game::runActive = true;
    runLoop();
    keepTheRun();
    if (game::practiceAttack != 0)
        return endPractice(before);
    // Beating the boss ends the run by the player's death too, but earns the
    // victory screen instead. A run left through the pause menu shows neither.
    if (game::showDeathScreen && !game::bossBeaten)
        deathScreen();
    if (game::bossBeaten)
        victoryScreen();
    resetRun();
}
