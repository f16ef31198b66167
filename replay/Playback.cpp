// Kept runs played back.
#include "replay/Playback.hpp"

#include "app/GameContext.hpp"
#include "persistence/SaveData.hpp"
#include "platform/MusicStream.hpp"
#include "replay/Replay.hpp"
#include "replay/Tape.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"
#include "run/SoundPool.hpp"

#include <cstdint>

namespace replay {

namespace {

SaveData recordBefore(""); // a record of no file: made, it reads and writes nothing
std::int32_t difficultyBefore = 0;
std::int32_t practiceBefore = 0;

} // namespace

namespace playback {

void begin(const Replay& replay) {
    recordBefore = game::saveData;
    difficultyBefore = game::difficulty;
    practiceBefore = game::practiceAttack;
    resetRun(); // a replay starts from an empty arena, whatever stood on it
    tape::startPlayback(replay);
    startRun();
    game::runActive = true;
}

std::string end() {
    const std::string difference = tape::finishPlayback();
    game::runActive = false;
    resetRun();
    game::saveData = recordBefore;
    game::difficulty = difficultyBefore;
    game::practiceAttack = practiceBefore;
    return difference;
}

} // namespace playback

std::string verify(const Replay& replay) {
    // Unheard: a pool with no room plays nothing, yet draws its random numbers as
    // always; the theme is set aside, and a run plays the empty one in its place.
    const std::int32_t maxSounds = game::soundPool.maxSounds;
    game::soundPool.maxSounds = 0;
    MusicStream theme = std::move(game::musicSound); // leaves no stream behind
    playback::begin(replay);
    while (game::runActive && !tape::played())
        stepRunFrame();
    const std::string difference = playback::end();
    game::musicSound = std::move(theme);
    game::soundPool.maxSounds = maxSounds;
    return difference;
}

std::string madeElsewhere(const Replay& replay) {
    // A replay of format 1 does not say where it was made.
    const bool otherBuild = !replay.build.empty() && replay.build != thisBuild();
    if (replay.gameVersion == game::gameVersion && !otherBuild)
        return "";
    return "recorded by Vizovid " + replay.gameVersion + (replay.build.empty() ? "" : " on " + replay.build)
           + "; this is " + game::gameVersion + " on " + thisBuild();
}

} // namespace replay
