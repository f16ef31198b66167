// Bouncing balls, laser sentries and their lasers.
#include "app/GameContext.hpp"
#include "boss/BossAttacks.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

class BossShots : public RunScenario {
protected:
    void SetUp() override {
        RunScenario::SetUp();
        startTestRun(1);
        game::director.eventTimer = -1e9f;
        game::frameTime = oneFrame;
    }
};

TEST_F(BossShots, ABallBouncesOffASideOffBothInACornerAndNeverLeaves) {
    // Into the top wall far from the sides; into the top-left corner, where it turns
    // back on both axes in the same update; and a fan of courses that must stay inside.
    struct Row { sf::Vector2f start; float angle, bounced; int frames; };
    std::vector<Row> rows = {{{1000, 14}, -60, 60, 1}, {{40, 40}, -135, 45, 30}};
    for (float angle = -180; angle < 180; angle += 7)
        rows.push_back({{1128, 450}, angle, 0, 60 * 20});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.angle);
        BounceBall ball;
        aimBullet(ball, game::bossBulletTexture, row.start, row.angle, 300, 14000, 40);
        ball.position = row.start; // no muzzle: exactly here
        int turns = 0;
        for (int f = 0; f < row.frames; f++) {
            const float before = ball.angle;
            ball.update();
            turns += ball.angle != before;
        }
        EXPECT_TRUE(ball.position.x > -50 && ball.position.x < 2306 && ball.position.y > -50 && ball.position.y < 950);
        if (row.frames < 60) {
            EXPECT_EQ(turns, 1);
            EXPECT_FLOAT_EQ(ball.angle, row.bounced);
        }
    }
}

TEST_F(BossShots, ALaserSentryCycleTakesThreePointSevenSeconds) {
    std::srand(5);
    LaserSentry sentry = makeLaserSentry(sf::Vector2f(1128, 450));
    int changedAt[3] = {-1, -1, -1}; // frames of the warning, the beams and the next flight
    for (int f = 1; f < 400 && changedAt[2] < 0; f++) {
        const std::int16_t before = sentry.state;
        updateLaserSentry(sentry);
        if (sentry.state != before)
            changedAt[before] = f;
    }
    // Each of the four waits may end a frame late.
    EXPECT_NEAR(changedAt[0] * oneFrame, 0.9f + 0.8f, 2.5f * oneFrame);
    EXPECT_NEAR((changedAt[1] - changedAt[0]) * oneFrame, 0.5f, 1.5f * oneFrame);
    EXPECT_NEAR(changedAt[2] * oneFrame, 3.7f, 4.5f * oneFrame);
    ASSERT_EQ(game::lasers.size(), 8u); // four warning lines, then four beams, along the four axes
    const float axes[4] = {0, 180, 90, -90};
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(game::lasers[i].name, i < 4 ? "alarm" : "laserbeam");
        EXPECT_EQ(game::lasers[i].angle, axes[i % 4]);
    }
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
    for (; game::player.health > 0 && framesOnPlayer < 100; framesOnPlayer++)
        frame();
    // 300 units at 4000 a second take a few frames; then 20 frames of 50 each.
    EXPECT_EQ(game::player.health, 0);
    EXPECT_LE(framesOnPlayer, 25);
    EXPECT_FALSE(game::runActive);
}

} // namespace
