// Upgrades: steps of the base value for speeds and damage, division for intervals,
// and the messages as the player reads them.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "sentries/Upgrades.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

namespace {

class Upgrades : public RunScenario {
protected:
    SentryDirector director;

    void SetUp() override {
        RunScenario::SetUp();
        resetRun();
        game::hud = Hud();
        game::frameTime = 1.0f / 60.0f;
    }

    void upgrade(int kind, int choice, float factor) {
        director.upgradeChoice = choice;
        director.upgradeFactor = factor;
        applyUpgrade(director, kind);
    }
};

TEST_F(Upgrades, AccumulateByStepsOfTheBaseAndDivideIntervals) {
    createBulletSentry(sf::Vector2f(141, 450));
    createBulletSentry(sf::Vector2f(141, 150));
    upgrade(1, 3, 1.25f);
    upgrade(1, 3, 1.25f);
    upgrade(1, 1, 1.25f);
    upgrade(1, 1, 1.25f);
    for (const BulletSentry& sentry : game::bulletSentries) {
        EXPECT_EQ(sentry.damage, 90); // 60 -> 75 -> 90, not 60 -> 75 -> 93
        EXPECT_NEAR(sentry.fireInterval, 0.704f, 1e-6f);
    }
    upgrade(1, 2, 1.1f);
    EXPECT_NEAR(game::bulletSentries[0].projectileSpeed, 715.0f, 1e-3f);

    createHomingSentry(sf::Vector2f(141, 750));
    upgrade(2, 3, 1.77f);
    EXPECT_EQ(game::homingSentries[0].damage, 88); // 50 + 38.5, truncated

    createBombSentry(sf::Vector2f(300, 450));
    upgrade(3, 2, 1.25f); // any choice shortens the fuse
    EXPECT_FLOAT_EQ(game::bombSentries[0].explosionDelay, 1.4f);

    createPushwaveSentry(sf::Vector2f(500, 450));
    upgrade(4, 3, 1.5f);
    EXPECT_FLOAT_EQ(game::pushwaveSentries[0].maxPushDistance, 600.0f);

    // A sentry placed later starts from the base again.
    createBulletSentry(sf::Vector2f(2115, 450));
    EXPECT_EQ(game::bulletSentries.back().damage, 60);
    EXPECT_FLOAT_EQ(game::bulletSentries.back().fireInterval, 1.1f);
}

TEST_F(Upgrades, AnnounceEachUpgradeOnceWithTheGamesOwnWording) {
    createBulletSentry(sf::Vector2f(141, 450));
    createBulletSentry(sf::Vector2f(141, 150));
    upgrade(1, 1, 1.25f);
    EXPECT_EQ(game::hud.messageLog, "- Attack speed of all BULLET SENTRIES\nwas increased by 1.25x\n\n");

    createHomingSentry(sf::Vector2f(141, 750));
    game::hud = Hud();
    upgrade(2, 2, 1.77f);
    EXPECT_EQ(game::hud.messageLog, "- Projectile of all HOMING SENTRIES\nwas increased by 1.77x\n\n");

    createBombSentry(sf::Vector2f(300, 450));
    game::hud = Hud();
    upgrade(3, 1, 1.1f);
    EXPECT_EQ(game::hud.messageLog, "- Explosion Delay of all BOMB SENTRIES\nwas increased by 1.1x\n\n");
}

} // namespace
