// A pad in a run: its stick past the dead zone and its d-pad move the player as the
// keys do; Start or a pad pulled out pause, and B or Start continue.
#include "app/GameContext.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

TEST_F(RunScenario, APadMovesPausesAndContinues) {
    startTestRun(game::Average);
    game::director.eventTimer = -1e9f; // an empty arena
    struct Row {
        const char* name;
        sf::Vector2f stick, dpad;
        sf::Vector2i direction; // of the step
        unsigned buttons = 11;  // the device has, numbered from 0
    };
    const Row rows[] = {
        {"a laptop's accelerometer: no Start button, so no pad", {100, 0}, {}, {0, 0}, 4},
        {"the stick just past its dead zone", {26, 0}, {}, {1, 0}},
        {"the stick on the dead zone", {25, -25}, {}, {0, 0}},
        {"the d-pad down and left", {}, {-100, 100}, {-1, 1}},
    };
    for (const Row& row : rows) {
        const sf::Vector2f start = game::playerPosition;
        input.script.pad = {true, row.stick, row.dpad, {}, row.buttons};
        frames(5); // 59 units each way from a standstill
        EXPECT_EQ(sf::Vector2i((game::playerPosition - start) / 50.0f), row.direction) << row.name;
    }
    // Start held, or the pad pulled out; the button that continues on the menu's second frame.
    for (const auto& [connected, resume] : {std::pair{true, input::pad::B}, std::pair{false, input::pad::Start}}) {
        input.script.pad = {connected, {}, {}, {input::pad::Start}};
        int ended = 0;
        input.script.onFrameEnd = [&, resume = resume] {
            if (++ended > 9)
                throw std::runtime_error("the pause menu did not continue");
            // Plugged in again; the button held on the menu's second frame only.
            input.script.pad = {true, {}, {}, std::vector<unsigned>(ended == 2, resume)};
        };
        frame();
        input.script.onFrameEnd = nullptr;
        EXPECT_EQ(ended, 3) << connected; // two frames of the menu, then the run's own
    }
}
