// The player through the real frame loop: walls, speed, hits, healing and death.
#include "app/GameContext.hpp"
#include "run/RunLoop.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Key = sf::Keyboard::Key;

class PlayerRun : public RunScenario {
protected:
    void SetUp() override {
        RunScenario::SetUp();
        startTestRun(1);
        game::director.eventTimer = -1e9f; // an empty arena
    }

    // A bullet of the given damage lying wholly inside the player, not moving.
    void bulletOnPlayer(int damage) {
        Bullet bullet;
        bullet.sprite.setTexture(game::bulletTexture);
        bullet.position = game::playerPosition;
        bullet.sprite.setPosition(game::playerPosition);
        bullet.bounds = sf::FloatRect(game::playerPosition.x - 4, game::playerPosition.y - 4, 8, 8);
        bullet.damage = damage;
        bullet.maxDistance = 1e9f;
        game::bullets.push_back(bullet);
    }
};

TEST_F(PlayerRun, TheWallsKeepThePlayerInsideTheArena) {
    holdKeys({Key::A, Key::W});
    frames(240);
    EXPECT_GE(game::playerBounds.left, 10.0f);
    EXPECT_GE(game::playerBounds.top, 10.0f);
    EXPECT_LT(game::playerBounds.left, 10.0f + 1050.0f / 60.0f); // stopped at most a step short
    holdKeys({Key::Right, Key::Down});
    frames(240);
    EXPECT_LT(game::playerBounds.left + game::playerBounds.width, 2256.0f);
    EXPECT_LT(game::playerBounds.top + game::playerBounds.height, 900.0f);
    EXPECT_GT(game::playerBounds.top + game::playerBounds.height, 900.0f - 1050.0f / 60.0f);
}

TEST_F(PlayerRun, DiagonalsAreTheSquareRootOfTwoFaster) {
    holdKeys({Key::D});
    frames(5); // past the 0.07 s of acceleration
    sf::Vector2f start = game::playerPosition;
    frames(10);
    const float straight = std::hypot(game::playerPosition.x - start.x, game::playerPosition.y - start.y);
    EXPECT_NEAR(straight, 1050.0f * 10 / 60, 0.5f);

    holdKeys({});
    frame(); // releasing stops at once and loses the speed
    EXPECT_EQ(game::player.currentSpeed, 0.0f);
    holdKeys({Key::A, Key::S});
    frames(5);
    start = game::playerPosition;
    frames(10);
    const float diagonal = std::hypot(game::playerPosition.x - start.x, game::playerPosition.y - start.y);
    EXPECT_NEAR(diagonal / straight, std::sqrt(2.0f), 1e-3f);

    // Opposite keys cancel but still count as moving, and keep the speed.
    holdKeys({Key::W, Key::S});
    start = game::playerPosition;
    frames(5);
    EXPECT_EQ(game::playerPosition, start);
    EXPECT_EQ(game::player.currentSpeed, 1050.0f);
}

TEST_F(PlayerRun, HealingStartsAfterEightQuietSecondsAndStopsAtTheTop) {
    bulletOnPlayer(1);
    frame();
    EXPECT_EQ(game::player.health, 999);
    EXPECT_TRUE(game::bullets.empty()); // hit, dead and removed in the same frame
    frames(8 * 60 - 2);
    EXPECT_EQ(game::player.health, 999);
    frames(120);
    EXPECT_TRUE(game::player.health == 1000 || game::player.health == 1001) << game::player.health;
    const int top = game::player.health;
    frames(120);
    EXPECT_EQ(game::player.health, top);
}

TEST_F(PlayerRun, DeathEndsTheRunOnlyOnceThatFrameIsFinished) {
    bulletOnPlayer(600);
    bulletOnPlayer(600); // both hit in the same frame, and both count
    Bullet flying;
    flying.sprite.setTexture(game::bulletTexture);
    flying.position = sf::Vector2f(200, 200);
    flying.speed = 600;
    flying.maxDistance = 1e9f;
    game::bullets.push_back(flying);
    const int hitsBefore = game::saveData.timesHitByProjectile;

    runLoop(); // returns after the frame in which health fell below 1
    EXPECT_FALSE(game::runActive);
    EXPECT_EQ(game::player.health, -200);
    EXPECT_EQ(game::saveData.timesHitByProjectile, hitsBefore + 2);
    ASSERT_EQ(game::bullets.size(), 1u);
    EXPECT_NEAR(game::bullets[0].position.x, 210.0f, 0.01f); // the frame's updates still ran
    EXPECT_EQ(game::hud.healthBar.getTextureRect().width, 0);
}

TEST_F(PlayerRun, ASlowFrameStepsTheGameOneSixtiethButCountsInFull) {
    const float dodged = game::saveData.timeSpentDodging;
    const float runTime = game::player.runTime;
    input.script.frameStep = sf::milliseconds(500);
    frame(); // measures the first step; its own end lasts 0.5 s
    frame(); // measures the 0.5 s
    EXPECT_NEAR(game::player.runTime - runTime, 2.0f / 60.0f, 1e-5f);
    EXPECT_NEAR(game::saveData.timeSpentDodging - dodged, 0.5f + 1.0f / 60.0f, 1e-4f);
}

TEST_F(PlayerRun, TheFrameThatPausedKeepsItsOwnStep) {
    frame();
    const float before = game::player.runTime;
    // Escape opens the pause menu inside the next frame; its frames last 0.5 s,
    // and on its third "Continue" is pressed.
    holdKeys({Key::Escape});
    input.script.frameStep = sf::milliseconds(500);
    int pauseFrames = 0;
    input.script.onFrameEnd = [&] {
        if (++pauseFrames == 2) {
            input.script.keys.clear();
            input.script.mouse = sf::Vector2i(960, 440);
            input.script.leftButton = true;
        }
    };
    frame();
    input.script.onFrameEnd = nullptr;
    input.script.leftButton = false;
    EXPECT_GE(pauseFrames, 3);
    EXPECT_NEAR(game::player.runTime - before, oneFrame, 1e-5f);
}

TEST_F(PlayerRun, TheHealthBarAndClockFollowThePlayer) {
    game::player.health = 500;
    game::player.runTime = 59.99f - oneFrame; // 59.99 s after this frame
    frame();
    EXPECT_EQ(game::hud.healthBar.getTextureRect(), sf::IntRect(0, 0, 380, 100));
    EXPECT_EQ(game::hud.timeText.getString().toAnsiString(), "Time: 00:59");
    game::player.health = 1;
    frame();
    EXPECT_EQ(game::hud.healthBar.getTextureRect().width, 0); // 0.76 truncates to 0
}

TEST_F(PlayerRun, TheRainbowSkinCyclesWithTheRunClock) {
    game::saveData.rgbSkinEnabled = true;
    game::player.runTime = 0;
    game::frameTime = 0;
    game::player.update();
    EXPECT_EQ(game::player.sprite.getColor(), sf::Color(127, 243, 31, 255));
    game::player.runTime = 2 * 3.14159265f;
    game::player.update();
    EXPECT_EQ(game::player.sprite.getColor(), sf::Color(127, 243, 31, 255));
}

} // namespace
