// Bullet and homing sentries: when they fire, where their shots stray, and how the
// shots fly, hit, fade, steer and die.
#include "app/GameContext.hpp"
#include "run/Geometry.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using Shooters = RunScenario;

TEST_F(Shooters, ShotsComeEveryIntervalStrayHitForTheirDamageAndBulletsFadeOverTheirRange) {
    startTestRun(1, 11);
    game::director.eventTimer = -1e9f; // no director: one sentry of each kind, 400 units to either side
    frame();
    const sf::Vector2f p = game::playerPosition;
    createBulletSentry(p - sf::Vector2f(400, 0));
    createHomingSentry(p + sf::Vector2f(400, 0));
    int bulletFrame = 0, homingFrame = 0; // counted from the creation step, which never fires
    std::set<int> healths;
    for (int f = 2; f < 125; f++) {
        frame();
        bulletFrame = bulletFrame || game::bullets.empty() ? bulletFrame : f;
        homingFrame = homingFrame || game::homingProjectiles.empty() ? homingFrame : f;
        healths.insert(game::player.health);
    }
    EXPECT_NEAR(bulletFrame * oneFrame, 1.1f, 1.01f * oneFrame);
    EXPECT_NEAR(homingFrame * oneFrame, 1.4f, 1.01f * oneFrame);
    EXPECT_EQ(healths, (std::set<int>{1000, 940, 890})); // the bullet's 60 lands first, then the homing shot's 50

    // Upgraded below a frame, each fires exactly once a frame, strayed from its aim.
    BulletSentry& bullets = game::bulletSentries[0];
    HomingSentry& homing = game::homingSentries[0];
    bullets.fireInterval = homing.fireInterval = 0.001f;
    std::set<int> bulletOffsets, homingOffsets;
    for (int f = 0; f < 400; f++) {
        updateBulletSentry(bullets), updateHomingSentry(homing);
        bulletOffsets.insert(int(std::lround(game::bullets.back().angle - bullets.aimAngle)));
        homingOffsets.insert(int(std::lround(game::homingProjectiles.back().angle - homing.aimAngle)));
    }
    EXPECT_EQ(game::bullets.size() + game::homingProjectiles.size(), 800u);
    EXPECT_EQ(bulletOffsets, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(homingOffsets.size(), 30u); // -15 to 14
    EXPECT_EQ(*homingOffsets.begin(), -15);

    // A bullet on its aim: 30 units out of the muzzle, fading to red until it dies at 2500 units.
    bullets.spreadOffset = 0;
    fireBullet(bullets);
    Bullet& bullet = game::bullets.back();
    EXPECT_EQ(bullet.position, p - sf::Vector2f(370, 0));
    int updates = 0;
    for (; bullet.alive && updates < 1000; updates++)
        bullet.update();
    EXPECT_EQ(bullet.sprite.getColor(), sf::Color(255, 4, 4)); // 255 less a tenth of the 2502.5 units flown
    EXPECT_NEAR(updates * oneFrame, 2500.0f / 650.0f, oneFrame); // about 3.85 s
}

TEST_F(Shooters, AHomingShotTurnsAtMost126DegreesASecondAndDiesOnAWall) {
    game::frameTime = oneFrame;
    createHomingSentry(sf::Vector2f(1000, 450));
    HomingSentry& sentry = game::homingSentries[0];
    sentry.aimAngle = sentry.spreadOffset = 0;
    game::playerPosition = sf::Vector2f(100, 460); // behind the shot: the largest turns, one way round
    fireHoming(sentry);
    for (int f = 0; f < 60; f++)
        game::homingProjectiles[0].update();
    EXPECT_NEAR(game::homingProjectiles[0].angle, 126.0f, 0.01f); // the cap, every frame

    // Flying into the top wall, 450 units away: dead on it, long before its range.
    sentry.aimAngle = -90;
    game::playerPosition = sf::Vector2f(1000, -1000);
    fireHoming(sentry);
    HomingProjectile& up = game::homingProjectiles[1];
    for (int f = 0; up.alive && f < 120; f++)
        up.update();
    EXPECT_TRUE(!up.alive && rectCornerInRect(up.bounds, game::arenaWalls[0]));
}

} // namespace
