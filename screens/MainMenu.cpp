// The main menu. For now it shows the version and waits for Escape, held longer
// than 0.4 s, to save and quit; its buttons come with the menu screens.
#include "screens/MainMenu.hpp"

#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "ui/Text.hpp"

void mainMenu() {
    game::frameClock.restart();
    game::saveData.save();

    sf::Text version = makeText(game::versionTitle, 30, sf::Text::Regular, sf::Color::White);
    version.setPosition(0, game::screenHeight - 1.5f * version.getGlobalBounds().height);
    float screenTimer = 0;

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        screenTimer += game::frameTime;

        if (input::hasFocus(game::window) && input::keyHeld(sf::Keyboard::Escape) && screenTimer > 0.4f) {
            game::saveData.save();
            game::appRunning = false;
            return;
        }

        game::window.clear(sf::Color(8, 8, 8, 255));
        game::window.setView(game::hudView);
        game::window.draw(version);
        game::window.display();
        pollWindowEvents();
    }
}
