// Every run is recorded as it is played: the seed gameRandom() starts from, each frame's
// step and input, the clock reads, and a check of the run's state every so many
// frames. A recorded run can take the devices' place and play out again.
#pragma once

#include "persistence/ReplayFile.hpp"
#include "platform/Input.hpp"

#include <SFML/System/Time.hpp>
#include <ctime>
#include <string>

namespace replay {

// Before a run's set-up: seeds gameRandom() from the clock and starts recording a run
// of the current difficulty.
void startRecording();

// After a run: the recording with its ending and its last check; recording stops.
Replay finishRecording(ReplayEnding ending);

// Before a run's set-up: the replay's difficulty, seed and first frame time take
// the place of the game's, and its frames that of the devices.
void startPlayback(const Replay& replay);
bool playing();
// Every frame of the replay has been played.
bool played();
// Seconds the frame to play next lasts in the run: its step, at most 1/60 s.
float nextFrameTime();
// After playback: compares the last check and stops playing. Returns the first
// difference, "" when the run played out as recorded.
std::string finishPlayback();

// Asked by the run frame in place of the devices and the clock.
sf::Time frameStep(sf::Time measured);  // the frame's step, at most 1/60 s
input::RunInput runInput();              // what the frame reads of the devices
std::time_t calendarTime();              // the seconds a bomb sentry reseeds gameRandom() with
void endFrame();                         // counts the frame; takes or compares a check

// The run's state now, as a check after the given number of frames.
ReplayCheck takeCheck(std::uint32_t frame);

} // namespace replay
