// The player through the real frame loop: keys, focus and pushes, walls, what each
// kind of shot costs, healing, death and the clocks.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "run/RunLoop.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace {

using Key = sf::Keyboard::Key;

// A shot lying wholly inside the player.
template <typename Shot>
void shotOnPlayer(std::vector<Shot>& shots, int damage) {
    shots.emplace_back().damage = damage;
    shots.back().bounds = sf::FloatRect(game::playerPosition - sf::Vector2f(4, 4), {8, 8});
}

// A bomb's blast around the player.
void blastOnPlayer(int damage) {
    dropBombAt(game::playerPosition, 0, damage);
    game::bombs.back().exploded = true;
    game::bombs.back().bounds = sf::FloatRect(game::playerPosition - sf::Vector2f(225, 225), {450, 450});
}

class PlayerRun : public RunScenario {
protected:
    void SetUp() override {
        RunScenario::SetUp();
        freshRun();
    }
    // A run of the difficulty in an empty arena.
    void freshRun(game::Difficulty difficulty = game::Average) {
        startTestRun(difficulty);
        game::director.eventTimer = -1e9f;
    }
    // Throws once more than `most` frames have ended: a menu that opened would never close.
    void failAfterFrames(int most) {
        input.script.onFrameEnd = [most, ended = 0]() mutable {
            if (++ended > most)
                throw std::runtime_error("a frame loop did not end");
        };
    }
};

// Each wall stops the player at most a step (1050 / 60 units) short of it.
TEST_F(PlayerRun, TheWallsKeepThePlayerInsideTheArena) {
    const sf::FloatRect& b = game::playerBounds;
    const float step = 1050.0f / 60;
    holdKeys({Key::A, Key::W});
    frames(240);
    EXPECT_GE(compat::left(b), 10);
    EXPECT_LT(compat::left(b), 10 + step);
    EXPECT_GE(compat::top(b), 10);
    holdKeys({Key::Right, Key::Down});
    frames(240);
    EXPECT_LT(compat::left(b) + compat::width(b), 2256);
    EXPECT_LT(compat::top(b) + compat::height(b), 900);
    EXPECT_GT(compat::top(b) + compat::height(b), 900 - step);
}

// One frame's keyboard step after five frames of the warm-up keys: full speed is
// 1050 units a second, reached from standstill in 0.07 s.
TEST_F(PlayerRun, OneFrameOfKeysFocusAndPushes) {
    constexpr float full = 1050.0f / 60.0f;
    constexpr float fromRest = 1050.0f / 0.07f / 60.0f / 60.0f;
    struct Row {
        const char* name;
        std::vector<Key> warmUp, keys;
        bool focus, pushed;
        float dx, dy, speedAfter;
    };
    const Row rows[] = {
        {"D from standstill", {}, {Key::D}, true, false, fromRest, 0, 250},
        {"D at full speed", {Key::D}, {Key::D}, true, false, full, 0, 1050},
        {"arrows at full speed", {Key::Left}, {Key::Left, Key::Up}, true, false, -full, -full, 1050},
        {"A and S: diagonals are not slowed", {Key::A, Key::S}, {Key::A, Key::S}, true, false, -full, full, 1050},
        {"opposite keys cancel but keep the speed", {Key::D}, {Key::W, Key::S}, true, false, 0, 0, 1050},
        {"letting go stops at once", {Key::D}, {}, true, false, 0, 0, 0},
        {"a push stops the next keyboard step", {Key::D}, {Key::D}, true, true, 0, 0, 0},
        {"no focus: no step", {Key::D}, {Key::D}, false, false, 0, 0, 1050},
        {"no focus: Escape does not pause", {}, {Key::Escape, Key::D}, false, false, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        input.script.focus = true;
        failAfterFrames(9);
        freshRun();
        holdKeys(row.warmUp);
        frames(5);
        holdKeys(row.keys);
        input.script.focus = row.focus;
        game::playerPushed = row.pushed;
        const sf::Vector2f before = game::playerPosition;
        game::saveData.distanceTravelled = 0;
        frame();
        const sf::Vector2f step = game::playerPosition - before;
        EXPECT_NEAR(step.x, row.dx, 1e-3f);
        EXPECT_NEAR(step.y, row.dy, 1e-3f);
        EXPECT_NEAR(game::player.currentSpeed, row.speedAfter, 1e-3f);
        EXPECT_NEAR(game::saveData.distanceTravelled, std::hypot(row.dx, row.dy), 1e-2f);
    }
}

// Shots hurt once and count; a wave's touch only costs its damage; the boss's
// entrance blast costs nothing at all. A hit plays the hit sound and postpones healing.
TEST_F(PlayerRun, WhatEachTouchCosts) {
    struct Row {
        const char* name;
        std::function<void()> place;
        int healthLost, hits;
    };
    const Row rows[] = {
        {"a bullet", [] { shotOnPlayer(game::bullets, 7); }, 7, 1},
        {"a homing shot", [] { shotOnPlayer(game::homingProjectiles, 5); }, 5, 1},
        {"a pushwave segment", [] { shotOnPlayer(game::pushwaves, 9); }, 9, 0},
        {"a bomb blast", [] { blastOnPlayer(11); }, 11, 1},
        {"the boss's entrance blast", [] { blastOnPlayer(0); }, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        freshRun();
        frame();
        game::player.timeSinceHit = 5;
        game::soundPool.sounds.clear();
        game::saveData.timesHitByProjectile = 0;
        row.place();
        frame();
        const auto isHitSound = [](const auto& s) { return compat::bufferOf(*s) == &game::playerHitBuffer; };
        const auto& sounds = game::soundPool.sounds;
        EXPECT_EQ(game::saveData.timesHitByProjectile, row.hits);
        EXPECT_EQ(std::count_if(sounds.begin(), sounds.end(), isHitSound), row.hits);
        EXPECT_FLOAT_EQ(game::player.timeSinceHit, row.hits ? 0.0f : 5 + oneFrame);
        frame(); // each hurts once
        EXPECT_EQ(game::player.health, 1000 - row.healthLost);
    }
}

TEST_F(PlayerRun, HealingStartsAfterEightQuietSecondsAndStopsAtTheTop) {
    shotOnPlayer(game::bullets, 1);
    frame();
    EXPECT_EQ(game::player.health, 999);
    EXPECT_TRUE(game::bullets.empty()); // hit, dead and removed in the same frame
    frames(8 * 60 - 2);
    EXPECT_EQ(game::player.health, 999);
    frames(120);
    const int top = game::player.health;
    EXPECT_TRUE(top == 1000 || top == 1001) << top;
    frames(120);
    EXPECT_EQ(game::player.health, top);
}

TEST_F(PlayerRun, DeathAtZeroHealthEndsTheRunOnlyOnceThatFrameIsFinished) {
    shotOnPlayer(game::bullets, 600);
    shotOnPlayer(game::bullets, 400); // exactly 0 left
    Bullet& flying = game::bullets.emplace_back();
    flying.position = sf::Vector2f(200, 200);
    flying.speed = 600;
    flying.maxDistance = 1e9f;
    failAfterFrames(1);
    runLoop(); // returns after the frame in which health fell below 1
    EXPECT_FALSE(game::runActive);
    EXPECT_EQ(game::player.health, 0);
    ASSERT_EQ(game::bullets.size(), 1u);
    EXPECT_NEAR(game::bullets[0].position.x, 210.0f, 0.01f); // the frame's updates still ran
}

// The run steps at most 1/60 s; the statistics count real time, the boss fight's apart.
TEST_F(PlayerRun, ASlowFrameStepsOneSixtiethButCountsInFullOnItsDifficulty) {
    for (game::Difficulty difficulty : {game::Average, game::Hard, game::Hell, game::BossFight}) {
        SCOPED_TRACE(difficulty);
        input.script.frameStep = sf::microseconds(16667);
        freshRun(difficulty);
        game::dieSentries.clear();
        game::saveData.timeSpentDodging = 0;
        game::saveData.timeSpentDodgingDieSentry = 0;
        const float runTime = game::player.runTime;
        const float counted = 0.5f + oneFrame;
        // The first frame measures the first step, and its own end lasts 0.5 s.
        input.script.frameStep = sf::milliseconds(500);
        frames(2);
        EXPECT_NEAR(game::player.runTime - runTime, 2 * oneFrame, 1e-5f);
        EXPECT_NEAR(game::saveData.timeSpentDodging, difficulty == game::BossFight ? 0 : counted, 1e-4f);
        EXPECT_NEAR(game::saveData.timeSpentDodgingDieSentry, difficulty == game::BossFight ? counted : 0, 1e-4f);
    }
}

TEST_F(PlayerRun, TheHealthBarAndClockFollowThePlayer) {
    game::player.health = 500;
    game::player.runTime = 59.99f - oneFrame;
    frame(); // 59.99 s after this frame
    EXPECT_EQ(game::hud.healthBar.getTextureRect(), sf::IntRect({0, 0}, {380, 100}));
    EXPECT_EQ(game::hud.timeText.getString().toAnsiString(), "Time: 00:59");
    game::player.health = -200;
    frame();
    EXPECT_EQ(compat::width(game::hud.healthBar.getTextureRect()), 0); // below zero the bar stays empty
}

} // namespace
