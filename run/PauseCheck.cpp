// The pause check, apart from the event pump so that the pump opens no screen.
#include "run/PauseCheck.hpp"

#include "app/Controls.hpp"
#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
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
    // Without the focus the player stands; with the setting on, the run waits in the
    // pause menu instead. A replay shows what was played, so it never pauses.
    if (!held.focus) {
        if (game::pauseOnFocusLoss && !replay::playing())
            pauseMenu();
        return;
    }
    if (!game::playerPushed)
        game::player.move(held);
    else
        game::player.currentSpeed = 0;
    if (replay::playing())
        return;
    if (input::pauseHeld())
        pauseMenu();
}
