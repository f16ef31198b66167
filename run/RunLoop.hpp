// The frame loop of one run.
#pragma once

// The work of one frame: measure, move, direct, update everything, remove the dead,
// drain the window's events. stepRunFrame() leaves the events alone: a replay plays
// many frames in one of its screen's, or none on the screen at all.
void updateRunFrame();
void stepRunFrame();

// Draws the arena through the game view and the HUD through the screen view, and
// shows the picture; drawRunPicture() leaves it unshown, for a screen to draw over.
void drawRunFrame();
void drawRunPicture();

// Runs frames until one ends with runActive cleared; the frame that clears it is
// still finished and drawn.
void runLoop();
