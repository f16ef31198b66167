// Bouncing balls, laser sentries and their lasers.
#include "app/GameContext.hpp"
#include "boss/BossAttacks.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class BossShots : public RunScenario {
protected:
    void SetUp() override {
        RunScenario::SetUp();
        startTestRun(1);
        game::director.eventTimer = -1e9f;
        game::frameTime = oneFrame;
    }

    BounceBall ballAt(sf::Vector2f position, float angle) {
        BounceBall ball;
        aimBullet(ball, game::bossBulletTexture, position, angle, 300, 14000, 40);
        ball.position = position; // no muzzle: exactly here
        return ball;
    }
};

TEST_F(BossShots, ABallBouncesOffASideAndOffBothInACorner) {
    BounceBall side = ballAt(sf::Vector2f(1000, 14), -60);
    side.update(); // into the top wall, far from the left and right sides
    EXPECT_FLOAT_EQ(side.angle, 60.0f);

    // Into the top-left corner: it turns back on both axes in the same update.
    BounceBall corner = ballAt(sf::Vector2f(40, 40), -135);
    float turnedAt = -1;
    for (int f = 0; f < 30; f++) {
        const float before = corner.angle;
        corner.update();
        if (before != corner.angle) {
            EXPECT_FLOAT_EQ(corner.angle, 45.0f);
            EXPECT_LT(turnedAt, 0.0f) << "turned twice";
            turnedAt = float(f);
        }
    }
    EXPECT_GE(turnedAt, 0.0f);
    EXPECT_GT(corner.position.x, 40.0f);
    EXPECT_GT(corner.position.y, 40.0f);

    // Balls never leave the arena, whatever their course.
    for (float angle = -180; angle < 180; angle += 7) {
        BounceBall ball = ballAt(sf::Vector2f(1128, 450), angle);
        for (int f = 0; f < 60 * 20; f++)
            ball.update();
        EXPECT_TRUE(ball.position.x > -50 && ball.position.x < 2306 && ball.position.y > -50 && ball.position.y < 950)
            << "angle " << angle;
    }
}

TEST_F(BossShots, ALaserSentryCycleTakesThreePointSevenSeconds) {
    std::srand(5);
    LaserSentry sentry = makeLaserSentry(sf::Vector2f(1128, 450));
    int alarmFrame = -1, beamFrame = -1, nextFlightFrame = -1;
    for (int f = 1; f < 400 && nextFlightFrame < 0; f++) {
        const std::int16_t before = sentry.state;
        updateLaserSentry(sentry);
        if (before == 0 && sentry.state == 1)
            alarmFrame = f;
        if (before == 1 && sentry.state == 2)
            beamFrame = f;
        if (before == 2 && sentry.state == 0)
            nextFlightFrame = f;
    }
    // Each of the four waits may end a frame late.
    EXPECT_NEAR(alarmFrame * oneFrame, 0.9f + 0.8f, 2.5f * oneFrame);
    EXPECT_NEAR((beamFrame - alarmFrame) * oneFrame, 0.5f, 1.5f * oneFrame);
    EXPECT_NEAR(nextFlightFrame * oneFrame, 3.7f, 4.5f * oneFrame);
    EXPECT_EQ(game::lasers.size(), 8u); // four warning lines, then four beams
    EXPECT_EQ(game::lasers[0].name, "alarm");
    EXPECT_EQ(game::lasers[4].name, "laserbeam");
}

TEST_F(BossShots, BeamsHurtEveryFrameButWarningsNever) {
    frame();
    const sf::Vector2f p = game::playerPosition;
    // A warning line right through the player, renewed so it never expires.
    for (int f = 0; f < 30; f++) {
        game::lasers.emplace_back(game::laserAlarmTexture, p.x - 500, p.y, 0.0f, 4000.0f, 0.2f, 0, "alarm");
        frame();
    }
    EXPECT_EQ(game::player.health, 1000);

    game::lasers.clear();
    game::lasers.emplace_back(game::laserTexture, p.x - 300, p.y, 0.0f, 4000.0f, 1.5f, 50, "laserbeam");
    frame(); // the beam grows 67 units: not yet there
    int framesOnPlayer = 0;
    while (game::player.health > 0 && framesOnPlayer < 100) {
        frame();
        framesOnPlayer++;
    }
    // 300 units at 4000 a second take a few frames; then 20 frames of 50 each.
    EXPECT_EQ(game::player.health, 0);
    EXPECT_LE(framesOnPlayer, 25);
    EXPECT_FALSE(game::runActive);
}

TEST_F(BossShots, TheEndOfTheLaserAttackTakesEveryLaserAtOnce) {
    startTestRun(4);
    DieSentry& boss = game::dieSentries[0];
    boss.attack = -1;
    boss.nextAttack = 3;
    boss.attackTimer = 5;
    frame();
    EXPECT_EQ(boss.attack, 3);
    EXPECT_EQ(game::laserSentries.size(), 8u);
    bool sawBeams = false;
    while (boss.attack == 3) {
        game::player.health = 1000;
        frame();
        sawBeams = sawBeams || !game::lasers.empty();
        if (boss.attackTimer > 42.9f && boss.attack == 3) {
            ASSERT_FALSE(game::laserSentries.empty());
        }
    }
    EXPECT_TRUE(sawBeams);
    EXPECT_TRUE(game::lasers.empty());
    EXPECT_TRUE(game::laserSentries.empty());
    EXPECT_EQ(boss.nextAttack, 4);
}

} // namespace
