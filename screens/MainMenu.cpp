// The main menu. For now it shows the version, starts a run on 1 (Average), 2 (Hard)
// or 3 (HELL), and quits on Escape held longer than 0.4 s; its buttons come with
// the menu screens.
#include "screens/MainMenu.hpp"

#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "ui/Text.hpp"

void mainMenu() {
    game::frameClock.restart();
    game::saveData.save();

    sf::Text version = makeText(game::versionTitle, 30, sf::Text::Regular, sf::Color::White);
    sf::Text choices = makeText("1  Average     2  Hard     3  HELL     Escape  Quit", 45, sf::Text::Bold,
                                sf::Color::White);
    choices.setPosition(960 - choices.getGlobalBounds().width / 2, 520);
    version.setPosition(0, game::screenHeight - 1.5f * version.getGlobalBounds().height);
    float screenTimer = 0;

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        screenTimer += game::frameTime;

        const sf::Keyboard::Key difficultyKeys[] = {sf::Keyboard::Num1, sf::Keyboard::Num2, sf::Keyboard::Num3};
        for (int d = 1; d <= 3; d++) {
            if (input::hasFocus(game::window) && input::keyHeld(difficultyKeys[d - 1])) {
                game::difficulty = d;
                return;
            }
        }
        if (input::hasFocus(game::window) && input::keyHeld(sf::Keyboard::Escape) && screenTimer > 0.4f) {
            game::saveData.save();
            game::appRunning = false;
            return;
        }

        game::window.clear(sf::Color(8, 8, 8, 255));
        game::window.setView(game::hudView);
        game::window.draw(version);
        game::window.draw(choices);
        game::window.display();
        pollWindowEvents();
    }
}
