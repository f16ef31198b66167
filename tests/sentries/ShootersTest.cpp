// Bullet and homing sentries: when they fire, where their shots stray, and how the
// shots fly, fade, steer and die.
#include "app/GameContext.hpp"
#include "run/Geometry.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

namespace {


class Shooters : public RunScenario {
protected:
    void SetUp() override {
        RunScenario::SetUp();
        resetRun();
        game::frameTime = oneFrame;
        game::playerPosition = sf::Vector2f(1128, 450);
        std::srand(11);
    }
};

TEST_F(Shooters, TheFirstShotComesAfterOneWholeInterval) {
    createBulletSentry(sf::Vector2f(141, 450));
    createHomingSentry(sf::Vector2f(2115, 450));
    EXPECT_TRUE(game::bullets.empty() && game::homingProjectiles.empty()); // not in the creation step
    int bulletFrame = 0, homingFrame = 0;
    for (int f = 1; f <= 90 && (!bulletFrame || !homingFrame); f++) {
        updateBulletSentry(game::bulletSentries[0]);
        updateHomingSentry(game::homingSentries[0]);
        if (!bulletFrame && !game::bullets.empty())
            bulletFrame = f;
        if (!homingFrame && !game::homingProjectiles.empty())
            homingFrame = f;
    }
    // The creation step counted one frame already.
    EXPECT_NEAR((bulletFrame + 1) * oneFrame, 1.1f, 1.01f * oneFrame);
    EXPECT_NEAR((homingFrame + 1) * oneFrame, 1.4f, 1.01f * oneFrame);
    EXPECT_EQ(game::bullets.size(), 1u);
}

TEST_F(Shooters, BulletsStrayZeroToThreeDegreesHomingShotsMinusFifteenToFourteen) {
    createBulletSentry(sf::Vector2f(141, 450));
    createHomingSentry(sf::Vector2f(2115, 450));
    // Upgraded below a frame, each fires exactly once a frame.
    game::bulletSentries[0].fireInterval = 0.001f;
    game::homingSentries[0].fireInterval = 0.001f;
    std::set<int> bulletOffsets, homingOffsets;
    for (int f = 0; f < 400; f++) {
        const std::size_t bullets = game::bullets.size(), homing = game::homingProjectiles.size();
        updateBulletSentry(game::bulletSentries[0]);
        updateHomingSentry(game::homingSentries[0]);
        ASSERT_EQ(game::bullets.size(), bullets + 1);
        ASSERT_EQ(game::homingProjectiles.size(), homing + 1);
        bulletOffsets.insert(int(std::lround(game::bullets.back().angle - game::bulletSentries[0].aimAngle)));
        homingOffsets.insert(int(std::lround(game::homingProjectiles.back().angle - game::homingSentries[0].aimAngle)));
    }
    EXPECT_EQ(bulletOffsets, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(*homingOffsets.begin(), -15);
    EXPECT_EQ(*homingOffsets.rbegin(), 14);
    EXPECT_EQ(homingOffsets.size(), 30u);
}

TEST_F(Shooters, ABulletFadesToRedAndDiesAtItsRange) {
    createBulletSentry(sf::Vector2f(141, 450));
    BulletSentry& sentry = game::bulletSentries[0];
    sentry.aimAngle = 0, sentry.spreadOffset = 0;
    fireBullet(sentry);
    Bullet& bullet = game::bullets[0];
    EXPECT_EQ(bullet.position, sf::Vector2f(171, 450)); // 30 units out of the muzzle
    int updates = 0;
    sf::Uint8 lastGreen = 255;
    while (bullet.alive) {
        bullet.update();
        updates++;
        const sf::Color colour = bullet.sprite.getColor();
        EXPECT_EQ(colour.r, 255);
        EXPECT_EQ(colour.g, colour.b);
        EXPECT_LE(colour.g, lastGreen);
        lastGreen = colour.g;
        ASSERT_LT(updates, 1000);
    }
    EXPECT_GE(bullet.distanceTravelled, 2500.0f);
    EXPECT_LT(bullet.distanceTravelled, 2500.0f + 650.0f * oneFrame);
    EXPECT_LE(lastGreen, 5);
    EXPECT_NEAR(updates * oneFrame, 2500.0f / 650.0f, oneFrame); // about 3.85 s
}

TEST_F(Shooters, AHomingShotTurnsAtMost126DegreesASecondAndDiesOnAWall) {
    createHomingSentry(sf::Vector2f(1000, 450));
    HomingSentry& sentry = game::homingSentries[0];

    // On course: no turn at all.
    sentry.aimAngle = 0, sentry.spreadOffset = 0;
    game::playerPosition = sf::Vector2f(1900, 450);
    fireHoming(sentry);
    game::homingProjectiles[0].update();
    EXPECT_EQ(game::homingProjectiles[0].angle, 0.0f);

    // The player behind: the largest turns, one way round, capped per frame.
    game::playerPosition = sf::Vector2f(100, 460);
    HomingProjectile& shot = game::homingProjectiles[0];
    float turned = 0;
    for (int f = 0; f < 60; f++) {
        const float before = shot.angle;
        shot.update();
        EXPECT_GT(shot.angle - before, 0.0f);
        EXPECT_LE(shot.angle - before, 126.0f * oneFrame * 1.0001f);
        turned += shot.angle - before;
    }
    EXPECT_GT(turned, 100.0f); // near the cap of 126 degrees a second

    // Flying into the top wall: dead in the update after its bounds first reach it.
    game::homingProjectiles.clear();
    sentry.aimAngle = -90, sentry.spreadOffset = 0;
    game::playerPosition = sf::Vector2f(1000, -1000);
    fireHoming(sentry);
    HomingProjectile& up = game::homingProjectiles[0];
    int touchedAt = -1, diedAt = -1;
    for (int f = 0; f < 120 && diedAt < 0; f++) {
        const bool touching = rectCornerInRect(up.bounds, game::arenaWalls[0]);
        if (touching && touchedAt < 0)
            touchedAt = f;
        up.update();
        if (!up.alive)
            diedAt = f;
    }
    EXPECT_GE(touchedAt, 0);
    EXPECT_EQ(diedAt, touchedAt);
    EXPECT_LT(up.distanceTravelled, 1800.0f);
}

} // namespace
