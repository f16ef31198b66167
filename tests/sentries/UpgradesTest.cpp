// Upgrades: steps of the base value for speeds and damage, division for intervals,
// and the messages as the player reads them.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "sentries/Upgrades.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

namespace {

// The statistic that upgrade choice 1 to 3 raises on a shooting sentry.
template <typename Sentry> float shotStat(const Sentry& s, int choice) {
    return choice == 1 ? s.fireInterval : choice == 2 ? s.projectileSpeed : float(s.damage);
}

using Upgrades = RunScenario;

TEST_F(Upgrades, RaiseEverySentryOfTheKindAndSayWhatWasRaised) {
    struct Row {
        int kind, choice, times;
        float factor, expected;
        const char* message;
    };
    const Row rows[] = {
        // 60 -> 75 -> 90: each step adds a quarter of the base, not of the current value.
        {1, 3, 2, 1.25f, 90, "- Damage of all BULLET SENTRIES\nwas increased by 1.25x\n\n"},
        {1, 1, 2, 1.25f, 0.704f, "- Attack speed of all BULLET SENTRIES\nwas increased by 1.25x\n\n"},
        {2, 3, 1, 1.77f, 88, "- Damage of all HOMING SENTRIES\nwas increased by 1.77x\n\n"}, // 50 + 38.5
        {2, 2, 1, 1.5f, 1170, "- Projectile of all HOMING SENTRIES\nwas increased by 1.5x\n\n"},
        // Every choice shortens the fuse, whatever the message says.
        {3, 2, 1, 1.25f, 1.4f, "- Explosion Delay of all BOMB SENTRIES\nwas increased by 1.25x\n\n"},
        {4, 3, 1, 1.5f, 600, "- Max Push Distance of all PUSHWAVE SENTRIES\nwas increased by 1.5x\n\n"},
        {4, 1, 1, 1.75f, 1.2f, "- Attack speed of all PUSHWAVE SENTRIES\nwas increased by 1.75x\n\n"},
    };
    void (*place[])(sf::Vector2f) = {createBulletSentry, createHomingSentry, createBombSentry, createPushwaveSentry};
    for (const Row& row : rows) {
        resetRun();
        place[row.kind - 1](sf::Vector2f(141, 450));
        place[row.kind - 1](sf::Vector2f(141, 150));
        SentryDirector director;
        director.upgradeChoice = row.choice;
        director.upgradeFactor = row.factor;
        for (int n = 0; n < row.times; n++) {
            game::hud = Hud();
            applyUpgrade(director, row.kind);
        }
        EXPECT_EQ(game::hud.messageLog, row.message); // once, however many sentries changed
        const int c = row.choice; // read on the second sentry of the kind: all are raised
        const float raised = row.kind == 1 ? shotStat(game::bulletSentries[1], c)
                           : row.kind == 2 ? shotStat(game::homingSentries[1], c)
                           : row.kind == 3 ? game::bombSentries[1].explosionDelay
                           : c == 3        ? game::pushwaveSentries[1].maxPushDistance
                                           : shotStat(game::pushwaveSentries[1], c);
        EXPECT_NEAR(raised, row.expected, 1e-3f) << row.message;
    }
}

} // namespace
