// Playing a kept run back: the set-up and the end that watching and verifying share.
#pragma once

#include "persistence/ReplayFile.hpp"

#include <string>

namespace replay::playback {

// Sets a run up to be played from the replay. The save's record, the difficulty and
// the attack practised are kept as they are, to be put back by end(): what a replay
// plays is not the player's.
void begin(const Replay& replay);
// Ends the played run as any run ends (everything of it cleared) and puts the record
// and the difficulty back. Returns the first difference from the replay's checks,
// "" when it played out as recorded.
std::string end();

} // namespace replay::playback
