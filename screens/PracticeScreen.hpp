// The practice screen: the four attacks of the Zev Azirid, each a button, those not
// yet reached in a real fight locked, and "Back".
#pragma once

// True once an attack is chosen: the boss fight's difficulty is set and the attack
// in practiceAttack. False on "Back", Escape or a pad's B.
bool practiceScreen();
