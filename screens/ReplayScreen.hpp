// Watching a kept run in the real arena, with its HUD and its sounds.
#pragma once

#include "persistence/ReplayFile.hpp"

// Plays the run as it was played: Escape (or a pad's B) leaves, Space (or A)
// pauses and resumes, and Right held (or a pad's right) plays four times as fast.
// Returns two seconds after the last frame, or when left.
void watchReplay(const Replay& replay);
