// Upgrades: steps of the base value for speeds and damage, division for intervals,
// and the messages as the player reads them.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "sentries/SentryKind.hpp"
#include "sentries/Upgrades.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <array>

namespace {

// The statistics that upgrade choices 1, 2 and 3 raise on the second sentry of the
// kind (all of the kind are raised). Every choice shortens a bomb's fuse.
std::array<float, 3> raisedStats(SentryKind kind) {
    const auto shooter = [](const auto& s) { return std::array{s.fireInterval, s.projectileSpeed, float(s.damage)}; };
    switch (kind) {
    case BulletKind:
        return shooter(game::bulletSentries[1]);
    case HomingKind:
        return shooter(game::homingSentries[1]);
    case BombKind: {
        const float fuse = game::bombSentries[1].explosionDelay;
        return {fuse, fuse, fuse};
    }
    case PushwaveKind: {
        const PushwaveSentry& s = game::pushwaveSentries[1];
        return {s.fireInterval, s.projectileSpeed, s.maxPushDistance};
    }
    }
    return {};
}

using Upgrades = RunScenario;

TEST_F(Upgrades, RaiseEverySentryOfTheKindAndSayWhatWasRaised) {
    struct Row {
        SentryKind kind;
        int choice, times;
        float factor, expected;
        const char* message;
    };
    const Row rows[] = {
        // 60 -> 75 -> 90: each step adds a quarter of the base, not of the current value.
        {BulletKind, 3, 2, 1.25f, 90, "- Damage of all BULLET SENTRIES\nwas increased by 1.25x\n\n"},
        {BulletKind, 1, 2, 1.25f, 0.704f, "- Attack speed of all BULLET SENTRIES\nwas increased by 1.25x\n\n"},
        {HomingKind, 3, 1, 1.77f, 88, "- Damage of all HOMING SENTRIES\nwas increased by 1.77x\n\n"}, // 50 + 38.5
        {HomingKind, 2, 1, 1.5f, 1170, "- Projectile of all HOMING SENTRIES\nwas increased by 1.5x\n\n"},
        // Every choice shortens the fuse, whatever the message says.
        {BombKind, 2, 1, 1.25f, 1.4f, "- Explosion Delay of all BOMB SENTRIES\nwas increased by 1.25x\n\n"},
        {PushwaveKind, 3, 1, 1.5f, 600, "- Max Push Distance of all PUSHWAVE SENTRIES\nwas increased by 1.5x\n\n"},
        {PushwaveKind, 1, 1, 1.75f, 1.2f, "- Attack speed of all PUSHWAVE SENTRIES\nwas increased by 1.75x\n\n"},
    };
    void (*place[])(sf::Vector2f) = {createBulletSentry, createHomingSentry, createBombSentry, createPushwaveSentry};
    for (const Row& row : rows) {
        resetRun();
        place[row.kind - BulletKind](sf::Vector2f(141, 450));
        place[row.kind - BulletKind](sf::Vector2f(141, 150));
        SentryDirector director;
        director.upgradeChoice = row.choice;
        director.upgradeFactor = row.factor;
        for (int n = 0; n < row.times; n++) {
            game::hud = Hud();
            applyUpgrade(director, row.kind);
        }
        EXPECT_EQ(game::hud.messageLog, row.message); // once, however many sentries changed
        EXPECT_NEAR(raisedStats(row.kind)[row.choice - 1], row.expected, 1e-3f) << row.message;
    }
}

} // namespace
