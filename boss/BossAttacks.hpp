// The Zev Azirid's attacks: the pattern barrage of attacks 1 and 4, the bounce
// waves of attack 2, the laser sentries of attack 3, and the shots they make.
#pragma once

#include <cstdint>

struct DieSentry;
enum class BossPattern : std::int32_t;

// Attacks 1 and 4: choose a pattern, fly to a spot near the player, fire it there.
// Attack 1 fires rings of 28 from the patterns up to the homing fans; attack 4 rings
// of 20 from all of them, up to the bounce bursts.
void patternDriver(DieSentry& boss, int ringSize, BossPattern lastPattern);
void bounceWaveStep(DieSentry& boss);
void releaseLaserSentries(DieSentry& boss);
void applyAttack4Settings(DieSentry& boss);

// Degrees a second that make one full turn on the way to the boss's destination.
float oneTurnOnTheWay(const DieSentry& boss);

void fireRing(DieSentry& boss, int ringSize);
void dropRainBomb(DieSentry& boss);
void fireBladeFan(DieSentry& boss);
void fireHomingFan(DieSentry& boss);
void fireBounceBurst(DieSentry& boss);
