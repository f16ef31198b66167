// The controls in a run: the pause on a lost focus, never in a replay, and the
// stick read past the dead zone.
#include "app/Controls.hpp"
#include "app/GameContext.hpp"
#include "replay/Replay.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct ControlsInARun : RunScenario {
    void TearDown() override {
        input.script.onFrameEnd = nullptr;
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
        input.script.onFrameEnd = nullptr; // it counts on this round's frames only
        EXPECT_EQ(ended, setting ? 3 : 1) << setting; // two frames of the menu, then the run's own
    }
}

// Recorded with a few frames without the focus; played back with the pause on a
// lost focus, it plays out the same and never pauses: verifying pumps no events,
// so any frame ended would be the pause menu's.
TEST_F(ControlsInARun, AReplayNeverPausesOnALostFocus) {
    resetRun();
    replay::record();
    startRun();
    game::runActive = true;
    input::endFrame();
    input.script.focus = false;
    frames(10);
    const Replay recorded = replay::finish();
    resetRun();
    game::pauseOnFocusLoss = true;
    input.script.onFrameEnd = [] { throw std::runtime_error("the replay paused"); };
    EXPECT_EQ(replay::verify(recorded), "");
}

// A stick counts only past the dead zone, at either end of its range.
TEST_F(ControlsInARun, TheStickCountsPastTheDeadZone) {
    const struct {
        std::int32_t deadZone;
        float stick;
        bool held;
    } zones[] = {{10, 10, false}, {10, 10.5f, true}, {90, 90, false}, {90, 90.5f, true}};
    for (const auto& zone : zones) {
        input::bindings.deadZone = zone.deadZone;
        input.script.pad = {true, {0, -zone.stick}, {}, {}};
        input::useScript(&input.script);
        EXPECT_EQ(input::readRunInput(game::window).up, zone.held) << zone.deadZone << " " << zone.stick;
    }
}
