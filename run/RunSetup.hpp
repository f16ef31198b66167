// What frames every run: a fresh player, HUD and director before it, and empty
// object vectors after it.
#pragma once

#include "app/GameContext.hpp"

void startRun();
void resetRun();

// Every list of records the arena holds, sentries apart from projectiles: the reset
// empties them all and a replay's check counts them all, so that a new kind of
// record is named here once and never missed.
template <typename Visit>
void forEachSentryList(Visit&& visit) {
    visit(game::bulletSentries);
    visit(game::homingSentries);
    visit(game::bombSentries);
    visit(game::pushwaveSentries);
    visit(game::dieSentries);
    visit(game::laserSentries);
}

template <typename Visit>
void forEachProjectileList(Visit&& visit) {
    visit(game::lasers);
    visit(game::bullets);
    visit(game::homingProjectiles);
    visit(game::bombs);
    visit(game::pushwaves);
    visit(game::bossBullets);
}
