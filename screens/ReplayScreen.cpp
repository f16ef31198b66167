// The replay screen: the run loop, fed by a replay and paced by the real clock.
#include "screens/ReplayScreen.hpp"

#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "run/Replay.hpp"
#include "run/ReplayPlayback.hpp"
#include "run/RunLoop.hpp"

#include <algorithm>

void watchReplay(const Replay& replay) {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    beginReplayRun(replay);
    input::Clock pace;        // real time between two drawn frames
    float owed = 0;           // seconds of the run due to be played
    float afterEnd = 0;       // seconds the last frame has stood
    bool paused = false;
    bool pauseHeld = false;   // Space or A held in the last frame: one press, one toggle

    while (afterEnd < 2 && !input::backHeld()) {
        const float real = pace.restart().asSeconds();
        const bool pausePressed = input::commandHeld(input::Command::Confirm);
        if (pausePressed && !pauseHeld) {
            paused = !paused;
            if (game::difficulty == game::BossFight)
                paused ? game::musicSound.pause() : game::musicSound.play();
        }
        pauseHeld = pausePressed;
        const float speed = input::commandHeld(input::Command::Right) ? 4.0f : 1.0f;

        bool stepped = false;
        if (!paused && game::runActive && !replay::played()) {
            // Frames are played as long as the run owes them time, each with its own
            // step; a machine too slow to keep up plays slower instead of stalling.
            owed = std::min(owed + real * speed, 0.25f);
            while (game::runActive && !replay::played() && owed > 0) {
                owed -= replay::nextFrameTime();
                updateRunFrame();
                stepped = true;
            }
        } else if (!paused) {
            afterEnd += real;
        }
        if (!stepped)
            pollWindowEvents();
        drawRunFrame();
    }
    endReplayRun();
}
