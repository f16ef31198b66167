// Bouncing balls, laser sentries and their lasers.
#include "app/GameContext.hpp"
#include "boss/BossAttacks.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using BossShots = RunScenario;

TEST_F(BossShots, ABallBouncesOffASideAndOffBothInACorner) {
    game::frameTime = oneFrame;
    // Into the top wall far from the sides; into the top-left corner, where it turns
    // back on both axes in the same update.
    struct Row {
        const char* name;
        sf::Vector2f start;
        float angle, bounced;
        int frames;
    };
    const Row rows[] = {
        {"into the top wall", {1000, 14}, -60, 60, 1},
        {"into the top left corner", {40, 40}, -135, 45, 30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BounceBall ball;
        aimBullet(ball, game::bossBulletTexture, row.start, row.angle, 300, 14000, 40);
        ball.position = row.start;
        int turns = 0;
        for (int f = 0; f < row.frames; f++) {
            const float before = ball.angle;
            ball.update();
            turns += ball.angle != before;
        }
        EXPECT_TRUE(sf::FloatRect({-50, -50}, {2356, 1000}).contains(ball.position)) << row.angle; // 50 past a wall at most
        EXPECT_EQ(turns, 1);
        EXPECT_EQ(ball.angle, row.bounced);
    }
}

TEST_F(BossShots, ALaserSentryWarnsThenFiresAlongFourAxesEveryThreePointSevenSeconds) {
    startTestRun(game::Average, 5);
    game::director.eventTimer = -1e9f; // an empty arena but for the lasers
    frame();
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
        EXPECT_EQ(game::lasers[i].name, i < 4 ? "alarm" : "laserbeam") << i;
        EXPECT_EQ(game::lasers[i].angle, axes[i % 4]) << i;
    }

    // A beam 300 units away reaches the player in a few frames, then hurts 50 every frame.
    const sf::Vector2f p = game::playerPosition;
    game::lasers.clear();
    game::lasers.emplace_back(game::laserTexture, p.x - 300, p.y, 0, 4000, 1.5f, 50, "laserbeam");
    int frames = 0;
    for (; game::player.health > 0 && frames < 100; frames++)
        frame();
    EXPECT_GT(frames, 20); // 300 units at 4000 a second, then 20 frames of 50
    EXPECT_LE(frames, 26);
}

} // namespace
