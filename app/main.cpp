// Vizovid: start-up and the outer loop over the screens.
#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/VictoryScreen.hpp"

#include <cstdlib>
#include <ctime>

int main() {
    // The save file has been read while the game context was built.
    game::saveData.timesOpenedGame++;
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    game::screenWidth = float(desktop.width);
    game::screenHeight = float(desktop.height);
    std::srand(unsigned(std::time(nullptr)));
    applyDisplaySettings(true);
    setUpViews();
    loadAssets();

    while (game::appRunning) {
        if (game::showMainMenu) {
            mainMenu();
            if (!game::appRunning)
                break;
        }
        startRun();
        game::runActive = true;
        runLoop();
        // Beating the boss ends the run by the player's death too, but earns the
        // victory screen instead.
        if (game::showDeathScreen && !game::bossBeaten)
            deathScreen();
        if (game::bossBeaten)
            victoryScreen();
        resetRun();
    }

    game::saveData.save();
    return 0;
}
