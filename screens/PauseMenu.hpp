// The pause menu, opened by Escape during a run.
#pragma once

void pauseMenu();
