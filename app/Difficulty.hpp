// The difficulties, numbered as the save file, the replays and the director's
// timetables know them.
#pragma once

#include <cstdint>

namespace game {
enum Difficulty : std::int32_t { Average = 1, Hard = 2, Hell = 3, BossFight = 4 };
} // namespace game
