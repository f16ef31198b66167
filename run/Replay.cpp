// The recorder and the player of runs.
#include "run/Replay.hpp"

#include "app/GameContext.hpp"
#include "platform/GameRandom.hpp"

#include <algorithm>
#include <cstdlib>

namespace replay {

namespace {

enum class Mode { Off, Recording, Playing };

Mode mode = Mode::Off;
Replay tape;              // the run being recorded, or the one being played
std::uint32_t frames = 0; // frames recorded or played so far
std::size_t clockReads = 0; // clock reads played so far
std::string difference;   // the first check that did not match, "" while all did

std::uint8_t bitsOf(const input::RunInput& held) {
    return std::uint8_t((held.padLost ? replayInput::padLost : 0) | (held.focus ? replayInput::focus : 0)
                        | (held.up ? replayInput::up : 0) | (held.left ? replayInput::left : 0)
                        | (held.down ? replayInput::down : 0) | (held.right ? replayInput::right : 0));
}

input::RunInput inputOf(std::uint8_t bits) {
    input::RunInput held;
    held.padLost = bits & replayInput::padLost;
    held.focus = bits & replayInput::focus;
    held.up = bits & replayInput::up;
    held.left = bits & replayInput::left;
    held.down = bits & replayInput::down;
    held.right = bits & replayInput::right;
    return held;
}

template <typename Record>
std::int32_t countOf(const std::vector<Record>& records) {
    return std::int32_t(records.size());
}

void compare(const ReplayCheck& kept) {
    if (!difference.empty())
        return;
    const std::string what = describeDifference(takeCheck(frames), kept);
    if (!what.empty())
        difference = "frame " + std::to_string(frames) + ": " + what;
}

} // namespace

void startRecording() {
    mode = Mode::Recording;
    tape = Replay();
    tape.gameVersion = game::gameVersion;
    tape.difficulty = game::difficulty;
    tape.seed = std::uint32_t(input::calendarTime());
    tape.startFrameTime = game::frameTime;
    frames = 0;
    seedGameRandom(tape.seed);
}

Replay finishRecording(ReplayEnding ending) {
    tape.ending = ending;
    if (frames % replayCheckInterval != 0 || frames == 0)
        tape.checks.push_back(takeCheck(frames));
    mode = Mode::Off;
    return std::move(tape);
}

void startPlayback(const Replay& replay) {
    mode = Mode::Playing;
    tape = replay;
    frames = 0;
    clockReads = 0;
    difference.clear();
    game::difficulty = replay.difficulty;
    game::frameTime = replay.startFrameTime;
    seedGameRandom(replay.seed);
}

bool playing() {
    return mode == Mode::Playing;
}

bool played() {
    return frames >= tape.steps.size();
}

float nextFrameTime() {
    return std::min(sf::microseconds(tape.steps[frames]).asSeconds(), game::maxFrameTime);
}

std::string finishPlayback() {
    if (difference.empty() && frames < tape.steps.size())
        difference = "frame " + std::to_string(frames) + ": the run ended, the replay goes on to frame "
                     + std::to_string(tape.steps.size());
    if (played())
        compare(tape.checks.back());
    mode = Mode::Off;
    return difference;
}

sf::Time frameStep(sf::Time measured) {
    if (mode == Mode::Playing)
        return sf::microseconds(tape.steps[frames]);
    // Any step of 1/60 s or more is capped to the same frame time.
    const std::int64_t step = std::clamp<std::int64_t>(measured.asMicroseconds(), 0, replayMaxMicroseconds);
    if (mode == Mode::Recording)
        tape.steps.push_back(std::uint16_t(step));
    return measured;
}

input::RunInput runInput() {
    if (mode == Mode::Playing)
        return inputOf(tape.inputs[frames]);
    const input::RunInput held = input::readRunInput(game::window);
    if (mode == Mode::Recording)
        tape.inputs.push_back(bitsOf(held));
    return held;
}

std::time_t calendarTime() {
    if (mode == Mode::Playing)
        return clockReads < tape.clockReads.size() ? std::time_t(tape.clockReads[clockReads++]) : 0;
    const std::time_t now = input::calendarTime();
    if (mode == Mode::Recording)
        tape.clockReads.push_back(std::int64_t(now));
    return now;
}

void endFrame() {
    if (mode == Mode::Off)
        return;
    frames++;
    if (frames % replayCheckInterval != 0)
        return;
    if (mode == Mode::Recording)
        tape.checks.push_back(takeCheck(frames));
    else if (frames / replayCheckInterval <= tape.checks.size())
        compare(tape.checks[frames / replayCheckInterval - 1]);
}

ReplayCheck takeCheck(std::uint32_t frame) {
    ReplayCheck check;
    check.frame = frame;
    check.x = game::playerPosition.x;
    check.y = game::playerPosition.y;
    check.health = game::player.health;
    check.sentries = countOf(game::bulletSentries) + countOf(game::homingSentries) + countOf(game::bombSentries)
                     + countOf(game::pushwaveSentries) + countOf(game::laserSentries) + countOf(game::dieSentries);
    check.projectiles = countOf(game::bullets) + countOf(game::homingProjectiles) + countOf(game::bombs)
                        + countOf(game::pushwaves) + countOf(game::bossBullets) + countOf(game::lasers);
    check.runTime = game::player.runTime;
    return check;
}

} // namespace replay
