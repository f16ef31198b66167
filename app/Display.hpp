// The window and the two views.
#pragma once

// Pushes the settings into the two long-lived sounds and the window; (re)creates
// the window only when asked, since only fullscreen and antialiasing need that.
void applyDisplaySettings(bool recreateWindow);

// The arena view in the screen rectangle (10, 10)-(1900, 770), and the 1920 x 1080
// screen-space view of the HUD and every screen.
void setUpViews();
