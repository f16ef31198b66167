// The upgrade table and what each choice does to each kind.
#include "sentries/Upgrades.hpp"

#include "app/GameContext.hpp"
#include "run/Hud.hpp"
#include "sentries/BombSentry.hpp"
#include "sentries/BulletSentry.hpp"
#include "sentries/HomingSentry.hpp"
#include "sentries/PushwaveSentry.hpp"
#include "sentries/SentryDirector.hpp"
#include "sentries/SentryKind.hpp"

#include <locale>
#include <sstream>
#include <vector>

const float upgradeFactors[upgradeFactorCount] = {1.1f, 1.25f, 1.4f, 1.5f, 1.6f, 1.7f, 1.75f, 1.77f};

namespace {

// Speeds, ranges and damage grow by a fixed step of the base value per upgrade,
// not by a share of the current value; damage truncates toward zero.
float addStep(float value, float base, float factor) {
    return float(double(value) + double(base) * (double(factor) - 1.0));
}

std::int32_t addStep(std::int32_t value, std::int32_t base, float factor) {
    return std::int32_t(double(value) + double(base) * (double(factor) - 1.0));
}

// Attack speed, projectile speed, or the third statistic the kind has: every
// sentry of a kind that shoots.
template <typename Sentry, typename Statistic>
void upgradeShooters(std::vector<Sentry>& sentries, std::int32_t choice, float f, float baseSpeed,
                     Statistic Sentry::*third, Statistic thirdBase) {
    for (Sentry& sentry : sentries) {
        if (choice == 1)
            sentry.fireInterval /= f;
        else if (choice == 2)
            sentry.projectileSpeed = addStep(sentry.projectileSpeed, baseSpeed, f);
        else
            sentry.*third = addStep(sentry.*third, thirdBase, f);
    }
}

// What the message says was raised, by kind and by choice (1, 2, then any other).
// The homing speed message has always lacked the word "speed"; the bomb's says
// the delay grew, though every choice shortens the fuse.
const char* const raised[4][3] = {
    {"Attack speed", "Projectile speed", "Damage"},
    {"Attack speed", "Projectile", "Damage"},
    {"Explosion Delay", "Explosion Delay", "Explosion Delay"},
    {"Attack speed", "Projectile speed", "Max Push Distance"},
};
const char* const kindNames[4] = {"BULLET", "HOMING", "BOMB", "PUSHWAVE"};

void announceUpgrade(std::int32_t kind, std::int32_t choice, float f) {
    const int column = choice == 1 ? 0 : choice == 2 ? 1 : 2;
    std::ostringstream message;
    message.imbue(std::locale::classic());
    message << "- " << raised[kind - 1][column] << " of all " << kindNames[kind - 1] << " SENTRIES\nwas increased by "
            << double(f) << "x\n\n";
    game::hud.pushMessage(message.str());
}

} // namespace

void applyUpgrade(const SentryDirector& director, std::int32_t kind) {
    const float f = director.upgradeFactor;
    const std::int32_t choice = director.upgradeChoice;
    switch (kind) {
    case BulletKind:
        upgradeShooters(game::bulletSentries, choice, f, bulletBaseSpeed, &BulletSentry::damage, bulletBaseDamage);
        break;
    case HomingKind:
        upgradeShooters(game::homingSentries, choice, f, homingBaseSpeed, &HomingSentry::damage, homingBaseDamage);
        break;
    case BombKind:
        for (BombSentry& sentry : game::bombSentries)
            sentry.explosionDelay /= f;
        break;
    case PushwaveKind:
        upgradeShooters(game::pushwaveSentries, choice, f, pushwaveBaseSpeed, &PushwaveSentry::maxPushDistance,
                        pushwaveBasePushDistance);
        break;
    default:
        return;
    }
    announceUpgrade(kind, choice, f);
}
