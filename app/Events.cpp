// The event pump and the pause check.
#include "app/Events.hpp"

#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/SfmlCompat.hpp"
#include "screens/PauseMenu.hpp"

#include <cstdlib>

void pollWindowEvents() {
    compat::WindowEvent event;
    while (compat::pollEvent(game::window, event)) {
        if (event.kind == compat::WindowEvent::Closed) {
            game::window.close();
            std::exit(0);
        }
        if (event.kind == compat::WindowEvent::Resized) {
            game::screenWidth = float(event.size.x);
            game::screenHeight = float(event.size.y);
            fitViewsToWindow();
        }
    }
    input::endFrame();
}

void checkPauseAndMove() {
    // A pad that drops out pauses even without the focus: its player can no longer
    // steer, and the run should not go on without them.
    if (input::padLost()) {
        pauseMenu();
        return;
    }
    if (!input::hasFocus(game::window))
        return;
    if (!game::playerPushed)
        game::player.move();
    else
        game::player.currentSpeed = 0;
    // Both are read, so that the one not acted on is left over in the menu too.
    const bool escape = input::keyHeld(sf::Keyboard::Key::Escape);
    const bool start = input::commandHeld(input::Command::Pause);
    if (escape || start)
        pauseMenu();
}
