// Kept runs played back.
#include "run/ReplayPlayback.hpp"

#include "app/GameContext.hpp"
#include "run/Replay.hpp"
#include "run/SoundPool.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"

namespace {

// What the playback changes and gives back: a run adds to the save's statistics,
// and the replay sets the difficulty and the attack practised.
RunStatistics before;
std::int32_t difficultyBefore = 0;
std::int32_t practiceBefore = 0;

} // namespace

void beginReplayRun(const Replay& replay) {
    before = RunStatistics::of(game::saveData);
    difficultyBefore = game::difficulty;
    practiceBefore = game::practiceAttack;
    replay::startPlayback(replay);
    startRun();
    game::runActive = true;
}

std::string endReplayRun() {
    const std::string difference = replay::finishPlayback();
    game::runActive = false;
    resetRun();
    before.putBack(game::saveData);
    game::difficulty = difficultyBefore;
    game::practiceAttack = practiceBefore;
    return difference;
}

std::string verifyReplay(const Replay& replay) {
    // Unheard: a pool with no room plays nothing, yet draws its rand() as always.
    const std::int32_t maxSounds = game::soundPool.maxSounds;
    game::soundPool.maxSounds = 0;
    beginReplayRun(replay);
    while (game::runActive && !replay::played())
        updateRunFrame();
    game::soundPool.maxSounds = maxSounds;
    return endReplayRun();
}
