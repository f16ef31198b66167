// The run's per-frame check of the player's keys: the move, and the pause menu.
#pragma once

// With the focus: moves the player (unless a pushwave carried it last frame) and
// opens the pause menu on pause's key or pad button. Without the focus, nothing, or
// the pause menu when the player asked for it; a pad lost during the run opens the
// pause menu in either case.
void checkPauseAndMove();
