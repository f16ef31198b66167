// The main menu: the first screen, and the one every run returns to.
#pragma once

void mainMenu();
