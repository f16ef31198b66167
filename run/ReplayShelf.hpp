// The replays the game keeps, in a replays/ folder beside the save file: the last
// run, the best run of each difficulty, and the first and latest victory over the
// Zev Azirid.
#pragma once

#include "persistence/ReplayFile.hpp"

#include <string>

enum class KeptReplay { Last, BestAverage, BestHard, BestHell, FirstVictory, LatestVictory };

// The file of a kept replay; "" when the game keeps no files (no save either).
std::string keptReplayPath(KeptReplay which);

// Keeps a run that just ended: as the last run; as the best of its difficulty when
// newBest (its time beats the best one, which the death screen is about to raise);
// as the latest victory, and the first when there is none yet. Written the way the
// save is, so a kill at any moment leaves the old file or the new one.
void keepRun(const Replay& run, bool newBest);

// A kept replay that reads whole; false when there is none or it is damaged.
bool loadKeptReplay(KeptReplay which, Replay& replay);
