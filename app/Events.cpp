// The event pump and the pause check.
#include "app/Events.hpp"

#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "screens/PauseMenu.hpp"

#include <cstdlib>

void pollWindowEvents() {
    sf::Event event;
    while (game::window.pollEvent(event)) {
        if (event.type == sf::Event::Closed) {
            game::window.close();
            std::exit(0);
        }
        if (event.type == sf::Event::Resized) {
            game::screenWidth = float(event.size.width);
            game::screenHeight = float(event.size.height);
            fitViewsToWindow();
        }
    }
    input::endFrame();
}

void checkPauseAndMove() {
    if (!input::hasFocus(game::window))
        return;
    if (!game::playerPushed)
        game::player.move();
    else
        game::player.currentSpeed = 0;
    if (input::keyHeld(sf::Keyboard::Escape))
        pauseMenu();
}
