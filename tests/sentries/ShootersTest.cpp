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

TEST_F(Shooters, FireAfterOneWholeIntervalThenStrayOneSideOrAroundTheAim) {
    createBulletSentry(sf::Vector2f(141, 450));
    createHomingSentry(sf::Vector2f(2115, 450));
    BulletSentry& bullets = game::bulletSentries[0];
    HomingSentry& homing = game::homingSentries[0];
    int bulletFrame = 0, homingFrame = 0; // counted from the creation step, which never fires
    for (int f = 2; f < 100; f++) {
        updateBulletSentry(bullets);
        updateHomingSentry(homing);
        bulletFrame = bulletFrame || game::bullets.empty() ? bulletFrame : f;
        homingFrame = homingFrame || game::homingProjectiles.empty() ? homingFrame : f;
    }
    EXPECT_NEAR(bulletFrame * oneFrame, 1.1f, 1.01f * oneFrame);
    EXPECT_NEAR(homingFrame * oneFrame, 1.4f, 1.01f * oneFrame);

    // Upgraded below a frame, each fires exactly once a frame.
    bullets.fireInterval = homing.fireInterval = 0.001f;
    std::set<int> bulletOffsets, homingOffsets;
    for (int f = 0; f < 400; f++) {
        const std::size_t before = game::bullets.size() + game::homingProjectiles.size();
        updateBulletSentry(bullets);
        updateHomingSentry(homing);
        ASSERT_EQ(game::bullets.size() + game::homingProjectiles.size(), before + 2);
        bulletOffsets.insert(int(std::lround(game::bullets.back().angle - bullets.aimAngle)));
        homingOffsets.insert(int(std::lround(game::homingProjectiles.back().angle - homing.aimAngle)));
    }
    EXPECT_EQ(bulletOffsets, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(*homingOffsets.begin(), -15);
    EXPECT_EQ(*homingOffsets.rbegin(), 14);
    EXPECT_EQ(homingOffsets.size(), 30u);
}

TEST_F(Shooters, ABulletFadesToRedAndDiesAtItsRange) {
    createBulletSentry(sf::Vector2f(141, 450));
    game::bulletSentries[0].aimAngle = game::bulletSentries[0].spreadOffset = 0;
    fireBullet(game::bulletSentries[0]);
    Bullet& bullet = game::bullets[0];
    EXPECT_EQ(bullet.position, sf::Vector2f(171, 450)); // 30 units out of the muzzle
    int updates = 0;
    sf::Color last = sf::Color::White;
    for (; bullet.alive && updates < 1000; updates++) {
        bullet.update();
        const sf::Color colour = bullet.sprite.getColor();
        EXPECT_TRUE(colour.r == 255 && colour.g == colour.b && colour.g <= last.g);
        last = colour;
    }
    EXPECT_NEAR(bullet.distanceTravelled, 2500.0f, 650.0f * oneFrame);
    EXPECT_LE(last.g, 5);
    EXPECT_NEAR(updates * oneFrame, 2500.0f / 650.0f, oneFrame); // about 3.85 s
}

TEST_F(Shooters, AHomingShotTurnsAtMost126DegreesASecondAndDiesOnAWall) {
    createHomingSentry(sf::Vector2f(1000, 450));
    HomingSentry& sentry = game::homingSentries[0];
    sentry.aimAngle = sentry.spreadOffset = 0;
    game::playerPosition = sf::Vector2f(1900, 450);
    fireHoming(sentry);
    HomingProjectile& shot = game::homingProjectiles[0];
    shot.update();
    EXPECT_EQ(shot.angle, 0.0f); // on course: no turn at all

    // The player behind: the largest turns, one way round, capped per frame.
    game::playerPosition = sf::Vector2f(100, 460);
    for (int f = 0; f < 60; f++) {
        const float before = shot.angle;
        shot.update();
        EXPECT_GT(shot.angle - before, 0.0f);
        EXPECT_LE(shot.angle - before, 126.0f * oneFrame * 1.0001f);
    }
    EXPECT_GT(shot.angle, 100.0f); // near the cap of 126 degrees a second

    // Flying into the top wall: dead in the update after its bounds first reach it.
    sentry.aimAngle = -90;
    game::playerPosition = sf::Vector2f(1000, -1000);
    fireHoming(sentry);
    HomingProjectile& up = game::homingProjectiles[1];
    int touchedAt = -1, f = 0;
    for (; up.alive && f < 120; f++) {
        if (touchedAt < 0 && rectCornerInRect(up.bounds, game::arenaWalls[0]))
            touchedAt = f;
        up.update();
    }
    EXPECT_EQ(f - 1, touchedAt);
    EXPECT_LT(up.distanceTravelled, 1800.0f);
}

} // namespace
