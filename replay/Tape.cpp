// The recorder and the player of runs.
#include "replay/Tape.hpp"

#include "app/GameContext.hpp"
#include "platform/GameRandom.hpp"
#include "platform/SfmlCompat.hpp"
#include "replay/Replay.hpp"
#include "run/Practice.hpp"
#include "run/RunSetup.hpp"

#include <algorithm>
#include <cstdlib>

namespace replay {

namespace {

enum class Mode { Off, Recording, Playing };

Mode mode = Mode::Off;
Replay reel;                // the run being recorded, or the one being played
std::uint32_t frames = 0;   // frames recorded or played so far
std::size_t clockReads = 0; // clock reads played so far
std::string difference;     // the first check that did not match, "" while all did

std::uint8_t packInput(const input::RunInput& held) {
    return std::uint8_t((held.padLost ? replayInput::padLost : 0) | (held.focus ? replayInput::focus : 0)
                        | (held.up ? replayInput::up : 0) | (held.left ? replayInput::left : 0)
                        | (held.down ? replayInput::down : 0) | (held.right ? replayInput::right : 0));
}

input::RunInput unpackInput(std::uint8_t bits) {
    input::RunInput held;
    held.padLost = bits & replayInput::padLost;
    held.focus = bits & replayInput::focus;
    held.up = bits & replayInput::up;
    held.left = bits & replayInput::left;
    held.down = bits & replayInput::down;
    held.right = bits & replayInput::right;
    return held;
}

void compare(const ReplayCheck& kept) {
    if (!difference.empty())
        return;
    const std::string what = describeDifference(tape::takeCheck(frames), kept);
    if (!what.empty())
        difference = "frame " + std::to_string(frames) + ": " + what;
}

} // namespace

void record() {
    mode = Mode::Recording;
    reel = Replay();
    reel.gameVersion = game::gameVersion;
    reel.build = thisBuild();
    reel.difficulty = game::difficulty;
    reel.practiceAttack = game::practiceAttack;
    reel.seed = input::freshSeed();
    reel.startFrameTime = game::frameTime;
    frames = 0;
    seedGameRandom(reel.seed);
}

Replay finish() {
    // A run still going was stopped from outside (the replay recorder's time bound).
    const bool died = !game::runActive && game::showDeathScreen;
    const bool won = game::bossBeaten || practice::attackSurvived();
    reel.ending = won ? ReplayEnding::Victory : died ? ReplayEnding::Death : ReplayEnding::Left;
    if (frames % replayCheckInterval != 0 || frames == 0)
        reel.checks.push_back(tape::takeCheck(frames));
    mode = Mode::Off;
    return std::move(reel);
}

std::string thisBuild() {
    return compat::buildDescription();
}

bool playing() {
    return mode == Mode::Playing;
}

sf::Time frameStep(sf::Time measured) {
    if (mode == Mode::Playing)
        return sf::microseconds(reel.steps[frames]);
    // No frame takes no time: a clock too coarse to see one counts a microsecond.
    // Any step of 1/60 s or more is capped to the same frame time.
    measured = std::max(measured, sf::microseconds(1));
    if (mode == Mode::Recording)
        reel.steps.push_back(std::uint16_t(std::min<std::int64_t>(measured.asMicroseconds(), replayMaxMicroseconds)));
    return measured;
}

input::RunInput runInput() {
    if (mode == Mode::Playing)
        return unpackInput(reel.inputs[frames]);
    const input::RunInput held = input::readRunInput(game::window);
    if (mode == Mode::Recording)
        reel.inputs.push_back(packInput(held));
    return held;
}

std::time_t calendarTime() {
    if (mode == Mode::Playing)
        return clockReads < reel.clockReads.size() ? std::time_t(reel.clockReads[clockReads++]) : 0;
    const std::time_t now = input::calendarTime();
    if (mode == Mode::Recording)
        reel.clockReads.push_back(std::int64_t(now));
    return now;
}

void endFrame() {
    if (mode == Mode::Off)
        return;
    frames++;
    if (frames % replayCheckInterval != 0)
        return;
    if (mode == Mode::Recording)
        reel.checks.push_back(tape::takeCheck(frames));
    else if (frames / replayCheckInterval <= reel.checks.size())
        compare(reel.checks[frames / replayCheckInterval - 1]);
}

namespace tape {

void startPlayback(const Replay& replay) {
    mode = Mode::Playing;
    reel = replay;
    frames = 0;
    clockReads = 0;
    difference.clear();
    game::difficulty = replay.difficulty;
    game::practiceAttack = replay.practiceAttack;
    game::frameTime = replay.startFrameTime;
    seedGameRandom(replay.seed);
}

bool played() {
    return frames >= reel.steps.size();
}

std::uint32_t framesPlayed() {
    return frames;
}

float nextFrameTime() {
    return std::min(sf::microseconds(reel.steps[frames]).asSeconds(), game::maxFrameTime);
}

const std::string& departure() {
    return difference;
}

std::string finishPlayback() {
    if (difference.empty() && frames < reel.steps.size())
        difference = "frame " + std::to_string(frames) + ": the run ended, the replay goes on to frame "
                     + std::to_string(reel.steps.size());
    if (played())
        compare(reel.checks.back());
    mode = Mode::Off;
    return difference;
}

ReplayCheck takeCheck(std::uint32_t frame) {
    ReplayCheck check;
    check.frame = frame;
    check.x = game::playerPosition.x;
    check.y = game::playerPosition.y;
    check.health = game::player.health;
    forEachSentryList([&](const auto& sentries) { check.sentries += std::int32_t(sentries.size()); });
    forEachProjectileList([&](const auto& projectiles) { check.projectiles += std::int32_t(projectiles.size()); });
    check.runTime = game::player.runTime;
    return check;
}

} // namespace tape

} // namespace replay
