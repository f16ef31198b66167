// The death screen. Until its screen exists, a death counts and leads back to the
// main menu.
#include "screens/DeathScreen.hpp"

#include "app/GameContext.hpp"

void deathScreen() {
    game::saveData.timesDied++;
    game::showMainMenu = true;
}
