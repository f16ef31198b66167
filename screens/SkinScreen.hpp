// The skin screen: the player's colour, and the rainbow skin once it is unlocked.
#pragma once

// Blocks until the player leaves with "<" or Escape; returns to the main menu.
void skinScreen();
