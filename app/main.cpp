// Vizovid: start-up, the screens, and the last save.
#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/Folders.hpp"
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"
#include "app/SfmlCompat.hpp"
#include "persistence/SaveData.hpp"

#include <cstdlib>
#include <ctime>
#include <iostream>

int main() {
    if (!game::folders.found) {
        std::cerr << "Vizovid cannot start: none of these folders holds its assets:\n";
        for (const std::string& place : game::folders.placesLooked)
            std::cerr << "  " << place << '\n';
        return 1;
    }
    // The save file has been read while the game context was built.
    countOnce(game::saveData.timesOpenedGame);
    const sf::Vector2u desktop = compat::desktopSize();
    game::screenWidth = float(desktop.x);
    game::screenHeight = float(desktop.y);
    std::srand(unsigned(std::time(nullptr)));
    applyDisplaySettings(true);
    setUpViews();
    loadAssets();

    runScreens();

    game::saveData.save();
    return 0;
}
