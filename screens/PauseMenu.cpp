// The pause menu. Until its screen exists, Escape leaves the run for the main
// menu, as its "Quit To Main Menu" does.
#include "screens/PauseMenu.hpp"

#include "app/GameContext.hpp"

void pauseMenu() {
    game::runActive = false;
    game::showDeathScreen = false;
    game::showMainMenu = true;
}
