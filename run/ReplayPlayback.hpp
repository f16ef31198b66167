// Playing a kept run back: the set-up and the end that watching and verifying
// share, and verifying itself.
#pragma once

#include "persistence/ReplayFile.hpp"

#include <cstdint>
#include <string>

// Sets a run up to be played from the replay; what the playback adds to the save's
// statistics, and the difficulty it sets, are kept to be given back by
// endReplayRun().
void beginReplayRun(const Replay& replay);
// Ends the played run as any run ends (everything of it cleared) and gives the
// statistics and the difficulty back. Returns the first difference from the
// replay's checks, "" when it played out as recorded.
std::string endReplayRun();

// Plays the replay to its end without drawing, as fast as the machine allows.
// Returns the first difference, "" when every check matched.
std::string verifyReplay(const Replay& replay);
