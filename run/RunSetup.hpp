// What frames every run: a fresh player, HUD and director before it, and empty
// object vectors after it.
#pragma once

void startRun();
void resetRun();
