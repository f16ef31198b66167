// Bullet and homing sentries: when they fire, where their shots stray, and how the
// shots fly, hit, fade and steer.
#include "app/GameContext.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using Shooters = RunScenario;

TEST_F(Shooters, ShotsComeOnTimeStrayHitFadeAndTurnAtMost126DegreesASecond) {
    startTestRun(game::Average, 11);
    game::director.eventTimer = -1e9f; // no director: the test's own sentries
    frame();
    const sf::Vector2f p = game::playerPosition;
    createBulletSentry(p - sf::Vector2f(400, 0));
    createHomingSentry(p + sf::Vector2f(400, 0));
    int bulletFrame = 0; // counted from the creation step, which never fires
    int homingFrame = 0;
    std::set<int> healths;
    for (int f = 2; f < 125; f++) {
        frame();
        healths.insert(game::player.health);
        if (!bulletFrame && !game::bullets.empty())
            bulletFrame = f;
        if (!homingFrame && !game::homingProjectiles.empty())
            homingFrame = f;
    }
    EXPECT_NEAR(bulletFrame * oneFrame, 1.1f, 1.01f * oneFrame);
    EXPECT_NEAR(homingFrame * oneFrame, 1.4f, 1.01f * oneFrame);
    EXPECT_EQ(healths, (std::set<int>{1000, 940, 890})); // the bullet's 60 lands first, then the homing shot's 50

    // Upgraded below a frame, each fires exactly once a frame, strayed from its aim.
    BulletSentry& bullets = game::bulletSentries[0];
    HomingSentry& homing = game::homingSentries[0];
    bullets.fireInterval = 0.001f;
    homing.fireInterval = 0.001f;
    std::set<int> offsets[2]; // of bullets and homing shots from their aim, in degrees
    for (int f = 0; f < 400; f++) {
        updateBulletSentry(bullets);
        updateHomingSentry(homing);
        offsets[0].insert(int(std::lround(game::bullets.back().angle - bullets.aimAngle)));
        offsets[1].insert(int(std::lround(game::homingProjectiles.back().angle - homing.aimAngle)));
    }
    EXPECT_EQ(game::bullets.size() + game::homingProjectiles.size(), 800u);
    EXPECT_EQ(offsets[0], (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(offsets[1].size(), 30u);
    EXPECT_EQ(*offsets[1].begin(), -15); // -15 to 14

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

    // A homing shot with the player just behind it turns the most it may, 126 degrees a second.
    homing.aimAngle = 0;
    homing.spreadOffset = 0;
    game::homingProjectiles.clear();
    game::playerPosition = homing.position - sf::Vector2f(900, -10);
    fireHoming(homing);
    for (int f = 0; f < 60; f++)
        game::homingProjectiles[0].update();
    EXPECT_NEAR(game::homingProjectiles[0].angle, 126.0f, 0.01f); // the cap, every frame
}

} // namespace
