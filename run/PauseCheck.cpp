// The pause check, apart from the event pump so that the pump opens no screen.
#include "run/PauseCheck.hpp"

#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/SfmlCompat.hpp"
#include "replay/Replay.hpp"
#include "run/Player.hpp"
#include "screens/PauseMenu.hpp"

void checkPauseAndMove() {
    // What the frame reads of the devices is recorded, or played back from a replay.
    const input::RunInput held = replay::runInput();
    // A pad that drops out pauses even without the focus: its player can no longer
    // steer, and the run should not go on without them. A pause changes nothing in
    // the run, so a replay plays on.
    if (held.padLost) {
        if (!replay::playing())
            pauseMenu();
        return;
    }
    if (!held.focus)
        return;
    if (!game::playerPushed)
        game::player.move(held);
    else
        game::player.currentSpeed = 0;
    if (replay::playing())
        return;
    // Both are read, so that the one not acted on is left over in the menu too.
    const bool escape = input::keyHeld(sf::Keyboard::Key::Escape);
    const bool start = input::commandHeld(input::Command::Pause);
    if (escape || start)
        pauseMenu();
}
