// Vizovid: start-up, the screens, and the last save.
#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"

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
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    game::screenWidth = float(desktop.width);
    game::screenHeight = float(desktop.height);
    std::srand(unsigned(std::time(nullptr)));
    applyDisplaySettings(true);
    setUpViews();
    loadAssets();

    runScreens();

    game::saveData.save();
    return 0;
}
