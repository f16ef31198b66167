// The run clock's numbers as text, apart from the HUD that draws them: they need no window.
#pragma once

#include <cstdint>
#include <string>

// A float truncated toward zero to an int32; beyond the range, its nearest limit
// (a statistic from an edited save may lie there), and 0 for no number at all.
std::int32_t truncateToInt32(float value);

// Whole seconds as "mm:ss", or "h:mm:ss" from 61 minutes on: 75 gives "01:15".
std::string formatTime(std::int32_t seconds);
