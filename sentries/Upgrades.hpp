// Upgrades: every sentry of one kind gets stronger at once by a drawn factor.
#pragma once

#include <cstdint>

struct SentryDirector;

// The factors an upgrade can draw; a difficulty reaches only the first upgradeRolls.
constexpr int upgradeFactorCount = 8;
extern const float upgradeFactors[upgradeFactorCount];

// Raises the statistic the director chose (upgradeChoice) of every sentry of the
// kind by upgradeFactor, and announces it in the HUD.
void applyUpgrade(const SentryDirector& director, std::int32_t kind);
