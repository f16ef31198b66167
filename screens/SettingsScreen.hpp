// The settings screen: the frame-rate limit, four display switches and the volumes,
// pushed into the window and the sounds by "Apply".
#pragma once

// Blocks until the player leaves with "<" or Escape; returns to whichever screen
// opened it (the main menu or the pause menu).
void settingsScreen();
