// A test of practice starts with no victory over the boss, which would have reached
// every attack, and leaves no practice chosen and no file of attacks reached behind.
#pragma once

#include "app/GameContext.hpp"
#include "run/Practice.hpp"

#include <cstdio>

struct PracticeState {
    std::int32_t beaten = game::saveData.timesBeatenDieSentry;

    PracticeState() { game::saveData.timesBeatenDieSentry = 0; }
    ~PracticeState() {
        game::saveData.timesBeatenDieSentry = beaten;
        game::practiceAttack = 0;
        std::remove(practice::reachedPath().c_str());
        std::remove((practice::reachedPath() + ".damaged").c_str());
    }
};
