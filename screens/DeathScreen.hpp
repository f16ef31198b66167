// The death screen after a lost run.
#pragma once

void deathScreen();
