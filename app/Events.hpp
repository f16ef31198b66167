// The event pump every frame loop ends with, and the run's per-frame pause check.
#pragma once

// Drains the window's events: a close ends the process at once, unsaved; a resize
// records the new size for the next re-creation of the window and fits the views
// to it.
void pollWindowEvents();

// With the focus: moves the player (unless a pushwave carried it last frame) and
// opens the pause menu on Escape or a pad's Start. Without the focus, nothing, but
// a pad lost during the run opens the pause menu in either case.
void checkPauseAndMove();
