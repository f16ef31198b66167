// Scenario tests of a run: the real update code, frames of 1/60 s, a seeded rand(),
// scripted keys, and plain textures of fixed sizes so that hit boxes do not depend
// on the art.
#pragma once

#include "app/Difficulty.hpp"
#include "support/TestScreen.hpp"

#include <SFML/Window/Keyboard.hpp>
#include <gtest/gtest.h>
#include <vector>

// Texture sizes the scenarios rely on.
constexpr unsigned testPlayerSize = 80;  // 64 units at scale 0.8: a 40-unit wave segment fits
constexpr unsigned testBulletSize = 16;
constexpr unsigned testSentrySize = 96;

// One run frame at sixty frames a second.
constexpr float oneFrame = 1.0f / 60.0f;

// Swaps the game's textures for plain ones of fixed sizes.
void useTestTextures();

class RunScenario : public ::testing::Test {
protected:
    ScriptedInput input;

    void SetUp() override;
    void TearDown() override;

    // A fresh run of the difficulty, as the entry point starts one.
    void startTestRun(game::Difficulty difficulty, unsigned seed = 1);
    // Runs the update half of one frame (everything but drawing).
    void frame();
    void frames(int count);
    void holdKeys(std::vector<sf::Keyboard::Key> keys);
};
