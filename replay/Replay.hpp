// Replays: every run is recorded as it is played (its seed, each frame's step and
// input, the clock reads, and a check of its state every so many frames); the runs
// worth keeping are kept beside the save; a kept run can be watched in the arena,
// or verified to play out exactly as it was played.
#pragma once

#include "app/Input.hpp"
#include "persistence/ReplayFile.hpp"

#include <SFML/System/Time.hpp>
#include <ctime>
#include <string>

namespace replay {

// Recording, around every run played: record() before the run's set-up seeds the
// game and starts; finish() after the run returns the recording with its ending
// (a victory, a death, or a run left through the pause menu).
void record();
Replay finish();

// Keeps a run that just ended, before any screen books it: as the last run; as
// the latest victory, and the first when there is none yet; and as the best of its
// difficulty when its time beats the best one. A best run waits for the save: it
// reaches the disk with the best time it set, through saveWithBestRuns().
void keep(const Replay& run);
// Writes the save, then the best runs kept since the last save. False when the save
// could not be written (the runs then wait for the next save).
bool saveWithBestRuns();

enum class Kept { Last, BestAverage, BestHard, BestHell, FirstVictory, LatestVictory };
// The file of a kept run, in a replays/ folder beside the save; "" when the game
// keeps no files.
std::string pathOf(Kept which);
// A kept run that reads whole; false when there is none or it is damaged, and for a
// best run, when it is not the run of the best time the save holds.
bool load(Kept which, Replay& replay);

// Plays the run in the arena as it was played, with a label naming it (title) and
// the keys: Escape (or a pad's B) leaves, Space (or A) pauses and resumes, Right held
// (or a pad's right) plays four times as fast. Returns two seconds after the last
// frame, or when left. The save's record is as it was before.
void watch(const Replay& replay, const std::string& title);
// Plays the run to its end without drawing or sound, as fast as the machine allows.
// Returns the first difference from its checks, "" when every check matched.
std::string verify(const Replay& replay);
// "" when this build plays the run as its recorder did; else why it may not: "recorded
// by Vizovid 1.0.0 on Windows x86-64, SFML 3; this is 1.0.1 on Linux x86-64, SFML 2".
std::string madeElsewhere(const Replay& replay);
// This build, as a replay records it: "Linux x86-64, SFML 2".
std::string thisBuild();

// Asked by the run frame in place of the devices and the clocks: recorded while a
// run is recorded, read from the replay while one plays.
bool playing();
sf::Time frameStep(sf::Time measured);   // the frame's step: at least 1 µs
input::RunInput runInput();               // what the frame reads of the devices
std::time_t calendarTime();               // the seconds a bomb sentry reseeds the game with
void endFrame();                          // counts the frame; takes or compares a check

} // namespace replay
