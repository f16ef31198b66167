// The event pump every frame loop ends with.
#pragma once

// Drains the window's events: a close ends the process at once, unsaved; a resize
// records the new size for the next re-creation of the window and fits the views
// to it.
void pollWindowEvents();

