// The stats screen: the lifetime statistics and best times.
#pragma once

#include "persistence/ReplayFile.hpp"
#include "persistence/SaveData.hpp"

#include <string>

void statsScreen();

// The block of text the screen shows for the record.
std::string statsText(const SaveData& save);

// The line of the last run kept: "Last run: Hard, 01:15", "Last run: practice, Bounce
// waves, 00:41".
std::string lastRunLine(const Replay& run);
