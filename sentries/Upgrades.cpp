// The upgrade table and what each choice does to each kind.
#include "sentries/Upgrades.hpp"

#include "app/GameContext.hpp"
#include "sentries/SentryKind.hpp"

#include <locale>
#include <sstream>

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

} // namespace

void applyUpgrade(const SentryDirector& director, std::int32_t kind) {
    const float f = director.upgradeFactor;
    const std::int32_t choice = director.upgradeChoice;
    const char* prefix = "";

    switch (kind) {
    case BulletKind:
        for (BulletSentry& sentry : game::bulletSentries) {
            if (choice == 1)
                sentry.fireInterval /= f;
            else if (choice == 2)
                sentry.projectileSpeed = addStep(sentry.projectileSpeed, bulletBaseSpeed, f);
            else
                sentry.damage = addStep(sentry.damage, bulletBaseDamage, f);
        }
        prefix = choice == 1   ? "- Attack speed of all BULLET SENTRIES\nwas increased by "
                 : choice == 2 ? "- Projectile speed of all BULLET SENTRIES\nwas increased by "
                               : "- Damage of all BULLET SENTRIES\nwas increased by ";
        break;
    case HomingKind:
        for (HomingSentry& sentry : game::homingSentries) {
            if (choice == 1)
                sentry.fireInterval /= f;
            else if (choice == 2)
                sentry.projectileSpeed = addStep(sentry.projectileSpeed, homingBaseSpeed, f);
            else
                sentry.damage = addStep(sentry.damage, homingBaseDamage, f);
        }
        // The speed message has always lacked the word "speed".
        prefix = choice == 1   ? "- Attack speed of all HOMING SENTRIES\nwas increased by "
                 : choice == 2 ? "- Projectile of all HOMING SENTRIES\nwas increased by "
                               : "- Damage of all HOMING SENTRIES\nwas increased by ";
        break;
    case BombKind:
        // Every choice shortens the fuse, whatever the message says.
        for (BombSentry& sentry : game::bombSentries)
            sentry.explosionDelay /= f;
        prefix = "- Explosion Delay of all BOMB SENTRIES\nwas increased by ";
        break;
    case PushwaveKind:
        for (PushwaveSentry& sentry : game::pushwaveSentries) {
            if (choice == 1)
                sentry.fireInterval /= f;
            else if (choice == 2)
                sentry.projectileSpeed = addStep(sentry.projectileSpeed, pushwaveBaseSpeed, f);
            else
                sentry.maxPushDistance = addStep(sentry.maxPushDistance, pushwaveBasePushDistance, f);
        }
        prefix = choice == 1   ? "- Attack speed of all PUSHWAVE SENTRIES\nwas increased by "
                 : choice == 2 ? "- Projectile speed of all PUSHWAVE SENTRIES\nwas increased by "
                               : "- Max Push Distance of all PUSHWAVE SENTRIES\nwas increased by ";
        break;
    default:
        return;
    }

    std::ostringstream message;
    message.imbue(std::locale::classic());
    message << prefix << double(f) << "x\n\n";
    game::hud.pushMessage(message.str());
}
