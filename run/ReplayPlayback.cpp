// Kept runs played back.
#include "run/ReplayPlayback.hpp"

#include "app/GameContext.hpp"
#include "run/Replay.hpp"
#include "run/SoundPool.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"

namespace {

// What a run adds to the save: it is a player's, not a replay's.
struct RunStatistics {
    float timeSpentDodging = 0;
    float timeSpentDodgingDieSentry = 0;
    float distanceTravelled = 0;
    std::int32_t timesHitByProjectile = 0;
    std::int32_t timesAttemptedDieSentry = 0;
    std::int32_t difficulty = 0;
};

RunStatistics before;

} // namespace

void beginReplayRun(const Replay& replay) {
    const SaveData& save = game::saveData;
    before = {save.timeSpentDodging,     save.timeSpentDodgingDieSentry, save.distanceTravelled,
              save.timesHitByProjectile, save.timesAttemptedDieSentry,   game::difficulty};
    replay::startPlayback(replay);
    startRun();
    game::runActive = true;
}

std::string endReplayRun() {
    const std::string difference = replay::finishPlayback();
    game::runActive = false;
    resetRun();
    SaveData& save = game::saveData;
    save.timeSpentDodging = before.timeSpentDodging;
    save.timeSpentDodgingDieSentry = before.timeSpentDodgingDieSentry;
    save.distanceTravelled = before.distanceTravelled;
    save.timesHitByProjectile = before.timesHitByProjectile;
    save.timesAttemptedDieSentry = before.timesAttemptedDieSentry;
    game::difficulty = before.difficulty;
    return difference;
}

std::string verifyReplay(const Replay& replay) {
    // Unheard: a pool with no room plays nothing, yet draws its gameRandom() as always.
    const std::int32_t maxSounds = game::soundPool.maxSounds;
    game::soundPool.maxSounds = 0;
    beginReplayRun(replay);
    while (game::runActive && !replay::played())
        updateRunFrame();
    game::soundPool.maxSounds = maxSounds;
    return endReplayRun();
}
