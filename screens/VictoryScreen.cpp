// The victory screen. Until its screen exists, a victory counts, unlocks the
// rainbow skin, saves and leads back to the main menu.
#include "screens/VictoryScreen.hpp"

#include "app/GameContext.hpp"

void victoryScreen() {
    game::saveData.timesBeatenDieSentry++;
    game::saveData.rgbSkinUnlocked = true;
    game::saveData.save();
    game::showMainMenu = true;
}
