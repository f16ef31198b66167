// The game's one generator of random numbers. It draws exactly the sequence that
// glibc's srand and rand drew when the game was made, on every platform and
// compiler, so that a run recorded anywhere plays the same anywhere, and every
// replay and test keeps its numbers. Other C libraries' rand differs (Windows'
// stops at 32767).
#pragma once

#include <cstdint>

constexpr int gameRandomMax = 2147483647; // the largest number gameRandom() gives

// Starts the sequence again from a seed; 0 starts it as 1 does.
void seedGameRandom(std::uint32_t seed);

// The next number of the sequence, 0 to gameRandomMax.
int gameRandom();
