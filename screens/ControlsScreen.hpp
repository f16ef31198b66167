// The controls screen: the keys and pad buttons of every action, the stick's dead
// zone and the pause on a lost focus, each change kept at once in the controls file.
#pragma once

// Blocks until the player leaves with "<" or back; returns to the settings screen.
// byKeys: the keys or a pad opened it, so the focus shows from the first frame.
void controlsScreen(bool byKeys);
