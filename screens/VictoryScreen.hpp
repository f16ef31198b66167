// The victory screen after the Zev Azirid is beaten.
#pragma once

void victoryScreen();
