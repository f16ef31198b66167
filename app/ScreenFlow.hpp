// The outer loop's screens in order: the main menu before a run when asked for,
// the run, then the death or the victory screen, then the reset.
#pragma once

// Everything the game does from the main menu until the player quits.
void runScreens();

// One run with what follows it: set-up, the run, the death screen (or the victory
// screen when the Zev Azirid was beaten), the reset.
void playOneRun();
