// The run loop. For now the arena is empty: the player moves inside the walls and
// Escape ends the run; sentries, hits and the HUD come with the run itself.
#include "run/RunLoop.hpp"

#include "app/Events.hpp"
#include "app/GameContext.hpp"

#include <algorithm>

void runLoop() {
    while (game::runActive) {
        game::frameTime = std::min(game::frameClock.restart().asSeconds(), game::maxFrameTime);
        checkPauseAndMove();
        pollWindowEvents();

        game::window.clear(sf::Color(8, 8, 8, 255));
        game::window.setView(game::gameView);
        game::window.draw(game::player.sprite);
        game::window.setView(game::hudView);
        game::window.draw(game::arenaFrame);
        game::window.display();
    }
}
