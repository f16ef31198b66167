// The pause check, apart from the event pump so that the pump opens no screen.
#include "run/PauseCheck.hpp"

#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/SfmlCompat.hpp"
#include "run/Player.hpp"
#include "screens/PauseMenu.hpp"

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
