// Bouncing balls, laser sentries and their lasers.
#include "app/GameContext.hpp"
#include "boss/BossAttacks.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using BossShots = RunScenario;

TEST_F(BossShots, ABallBouncesOffASideOffBothInACornerAndNeverLeaves) {
    game::frameTime = oneFrame;
    // Into the top wall far from the sides; into the top-left corner, where it turns
    // back on both axes in the same update; and a fan of courses that must stay inside.
    struct Row { sf::Vector2f start; float angle, bounced; int frames; };
    std::vector<Row> rows = {{{1000, 14}, -60, 60, 1}, {{40, 40}, -135, 45, 30}};
    for (float angle = -180; angle < 180; angle += 7)
        rows.push_back({{1128, 450}, angle, 0, 60 * 20});
    for (const Row& row : rows) {
        BounceBall ball;
        aimBullet(ball, game::bossBulletTexture, row.start, row.angle, 300, 14000, 40), ball.position = row.start;
        int turns = 0;
        for (int f = 0; f < row.frames; f++)
            if (const float before = ball.angle; ball.update(), ball.angle != before)
                turns++;
        EXPECT_TRUE(sf::FloatRect({-50, -50}, {2356, 1000}).contains(ball.position)) << row.angle; // 50 past a wall at most
        EXPECT_TRUE(row.frames >= 60 || (turns == 1 && ball.angle == row.bounced)) << row.angle << " to " << ball.angle;
    }
}

TEST_F(BossShots, ALaserSentryWarnsThenFiresAlongFourAxesEveryThreePointSevenSeconds) {
    startTestRun(1, 5), game::director.eventTimer = -1e9f, frame(); // an empty arena but for the lasers
    LaserSentry sentry = makeLaserSentry(sf::Vector2f(1128, 450));
    int changedAt[3] = {-1, -1, -1}, frames = 0; // frames of the warning, the beams and the next flight
    for (int f = 1; f < 400 && changedAt[2] < 0; f++)
        if (const std::int16_t before = sentry.state; updateLaserSentry(sentry), sentry.state != before)
            changedAt[before] = f;
    // Each of the four waits may end a frame late.
    EXPECT_NEAR(changedAt[0] * oneFrame, 0.9f + 0.8f, 2.5f * oneFrame);
    EXPECT_NEAR((changedAt[1] - changedAt[0]) * oneFrame, 0.5f, 1.5f * oneFrame);
    EXPECT_NEAR(changedAt[2] * oneFrame, 3.7f, 4.5f * oneFrame);
    ASSERT_EQ(game::lasers.size(), 8u); // four warning lines, then four beams, along the four axes
    const float axes[4] = {0, 180, 90, -90};
    for (int i = 0; i < 8; i++)
        EXPECT_TRUE(game::lasers[i].name == (i < 4 ? "alarm" : "laserbeam") && game::lasers[i].angle == axes[i % 4])
            << i << ": " << game::lasers[i].name << " at " << game::lasers[i].angle;

    // A beam 300 units away reaches the player in a few frames, then hurts 50 every frame.
    const sf::Vector2f p = game::playerPosition;
    game::lasers.clear(), game::lasers.emplace_back(game::laserTexture, p.x - 300, p.y, 0, 4000, 1.5f, 50, "laserbeam");
    for (; game::player.health > 0 && frames < 100; frames++)
        frame();
    EXPECT_TRUE(frames > 20 && frames <= 26) << frames; // 300 units at 4000 a second, then 20 frames of 50
}

} // namespace
