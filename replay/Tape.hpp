// The tape under the replay face: the run being recorded, or the replay being
// played, frame by frame.
#pragma once

#include "persistence/ReplayFile.hpp"

#include <cstdint>
#include <string>

namespace replay::tape {

// Before a run's set-up: the replay's difficulty, seed and first frame time take
// the place of the game's, and its frames that of the devices.
void startPlayback(const Replay& replay);
// Every frame of the replay has been played.
bool played();
// Frames played so far.
std::uint32_t framesPlayed();
// Seconds the frame to play next lasts in the run: its step, at most 1/60 s.
float nextFrameTime();
// The first check the playback did not match, "" while all did.
const std::string& departure();
// After playback: compares the last check and stops playing. Returns the first
// difference, "" when the run played out as recorded.
std::string finishPlayback();

// The run's state now, as a check after the given number of frames.
ReplayCheck takeCheck(std::uint32_t frame);

} // namespace replay::tape
