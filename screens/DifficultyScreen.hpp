// The difficulty selection, opened by "Play"; it returns once a difficulty is chosen.
#pragma once

void difficultyScreen();
