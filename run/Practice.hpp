// Practice of one attack of the Zev Azirid: which attacks the player may practise
// (those reached in a real fight, kept in a file beside the save), how a practice
// run starts, and how it ends.
#pragma once

#include <cstdint>
#include <string>

struct DieSentry;

namespace practice {

// "practice.zn" beside the save: the number of attacks reached in real fights, 0
// to 4. "" when the game keeps no files.
std::string reachedPath();

// The attacks a player may practise, 1 up to this: those reached in a real fight,
// and all four once the Zev Azirid was beaten. A file that cannot be read counts
// none and is copied aside first, as the save is.
std::int32_t attacksReached();

// In the boss fight's set-up: a practice places the boss in the pause before its
// attack, with the theme where the fight has it then; a real fight reads how far
// fights have gone so far.
void setUpFight(DieSentry& boss);

// Once a run frame, after the Zev Azirid's update. In a real fight (not a replay
// played back) each attack reached for the first time is written down at once. In
// a practice, the end of the chosen attack is told in the feed ("Bounce waves
// survived"), and the run ends a moment later.
void followRun();

// In a practice run, the chosen attack is over and the player lives: the practice
// is won (a replay of it ends in victory).
bool attackSurvived();

// Seconds the run goes on after the practised attack ends, for the message.
constexpr float momentAfter = 2.0f;

} // namespace practice
