// The controls in a run: the devices read through the bindings, the pause on a
// lost focus, and replays, which keep what the run read and not which key gave it.
#include "app/Controls.hpp"
#include "app/GameContext.hpp"
#include "replay/Replay.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

using input::Command;
using Key = sf::Keyboard::Key;

namespace {

struct ControlsInARun : RunScenario {
    void TearDown() override {
        controls::restoreDefaults();
        RunScenario::TearDown();
    }
};

} // namespace

// Without the focus a run pauses only when the player asked for it; the menu then
// continues on the pad's B once the focus is back.
TEST_F(ControlsInARun, ALostFocusPausesOnlyWithTheSettingOn) {
    for (const bool setting : {false, true}) {
        startTestRun(game::Average);
        game::pauseOnFocusLoss = setting;
        input.script.focus = false;
        int ended = 0;
        input.script.onFrameEnd = [&] {
            if (++ended > 9)
                throw std::runtime_error("the pause menu did not continue");
            input.script.focus = true;
            input.script.pad = {true, {}, {}, std::vector<unsigned>(ended == 2, input::pad::B)};
        };
        frame();
        input.script.onFrameEnd = nullptr;
        EXPECT_EQ(ended, setting ? 3 : 1) << setting; // two frames of the menu, then the run's own
    }
}

// Recorded with up on I and a few frames without the focus; played back with the
// first controls and the pause on a lost focus, it plays out the same and never pauses.
TEST_F(ControlsInARun, AReplayRecordedUnderOneBindingVerifiesUnderAnother) {
    controls::bindKey(input::bindings, Command::Up, 0, Key::I);
    resetRun();
    game::frameTime = 0;
    replay::record();
    startRun();
    game::runActive = true;
    game::frameClock.restart();
    input::endFrame();
    const sf::Vector2f start = game::playerPosition;
    holdKeys({Key::I});
    frames(30);
    input.script.focus = false;
    frames(10);
    input.script.focus = true;
    holdKeys({Key::W});
    frames(20);
    const float climbed = start.y - game::playerPosition.y;
    const Replay recorded = replay::finish();
    resetRun();

    controls::restoreDefaults();
    game::pauseOnFocusLoss = true;
    int ended = 0;
    input.script.onFrameEnd = [&] {
        if (++ended > 60)
            throw std::runtime_error("the replay paused");
    };
    EXPECT_EQ(replay::verify(recorded), "");
    input.script.onFrameEnd = nullptr;
    EXPECT_EQ(ended, 0); // verifying pumps no events: any frame ended was the pause menu's
    EXPECT_GT(climbed, 200); // I moved up, W did not
    EXPECT_LT(climbed, 400);
}

// The run reads the bound keys, the menus the arrows; back and pause read theirs,
// and a stick counts past the dead zone, at either end of its range.
TEST_F(ControlsInARun, TheDevicesAreReadThroughTheBindings) {
    input::Script& script = input.script;
    controls::bindKey(input::bindings, Command::Up, 0, Key::I);
    controls::bindKey(input::bindings, Command::Back, 1, Key::Backspace);
    const sf::Window& window = game::window;
    struct Row {
        const char* name;
        std::vector<Key> keys;
        bool runUp, menuUp, back;
    };
    const Row rows[] = {
        {"I", {Key::I}, true, false, false},
        {"the Up arrow", {Key::Up}, true, true, false},
        {"Backspace", {Key::Backspace}, false, false, true},
    };
    for (const Row& row : rows) {
        script.keys = row.keys;
        input::useScript(&script); // nothing seen held yet: no press is left over
        EXPECT_EQ(input::readRunInput(window).up, row.runUp) << row.name;
        EXPECT_EQ(input::commandHeld(Command::Up), row.menuUp) << row.name;
        EXPECT_EQ(input::backHeld(), row.back) << row.name;
    }
    struct Zone {
        std::int32_t deadZone;
        float stick;
        bool held;
    };
    const Zone zones[] = {{10, 10, false}, {10, 10.5f, true}, {90, 90, false}, {90, 90.5f, true}};
    script.keys.clear();
    for (const Zone& zone : zones) {
        input::bindings.deadZone = zone.deadZone;
        script.pad = {true, {0, -zone.stick}, {}, {}};
        EXPECT_EQ(input::readRunInput(window).up, zone.held) << zone.deadZone << " " << zone.stick;
    }
}
