// The pause menu, opened by Escape or a pad's Start during a run.
#pragma once

void pauseMenu();
