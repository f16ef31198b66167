// The run as a whole: dead shots leave their vectors, the reset empties the run and
// the sound pool keeps to its limit.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "run/SoundPool.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

class Run : public RunScenario {};

TEST_F(Run, AWaveWithOneDeadSegmentIsGoneByTheEndOfTheFrame) {
    startTestRun(1);
    game::director.eventTimer = -1e9f;
    createPushwaveSentry(sf::Vector2f(300, 150));
    firePushwave(game::pushwaveSentries[0]);
    firePushwave(game::pushwaveSentries[0]);
    game::pushwaveSentries.clear();
    game::pushwaves[4].distanceTravelled = 1e9f; // the middle of the first wave is spent
    frame();
    ASSERT_EQ(game::pushwaves.size(), 9u);
    EXPECT_TRUE(std::all_of(game::pushwaves.begin(), game::pushwaves.end(), [](auto& s) { return s.waveId == 1; }));
}

TEST_F(Run, TheResetEmptiesEveryVectorOfTheRun) {
    startTestRun(4);
    game::bullets.emplace_back();
    game::homingProjectiles.emplace_back();
    game::bombs.emplace_back();
    game::pushwaves.emplace_back();
    game::bossBullets.emplace_back();
    game::lasers.emplace_back(game::laserTexture, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1, "alarm");
    game::laserSentries.emplace_back();
    game::bulletSentries.emplace_back();
    game::bombSentries.emplace_back();
    game::homingSentries.emplace_back();
    game::pushwaveSentries.emplace_back();
    game::bossBeaten = true;
    resetRun();
    const std::array<std::size_t, 12> sizes = {
        game::bullets.size(),       game::homingProjectiles.size(), game::bombs.size(),
        game::pushwaves.size(),     game::bossBullets.size(),       game::lasers.size(),
        game::laserSentries.size(), game::bulletSentries.size(),    game::bombSentries.size(),
        game::homingSentries.size(), game::pushwaveSentries.size(), game::dieSentries.size()};
    EXPECT_EQ(sizes, (std::array<std::size_t, 12>{}));
    EXPECT_FALSE(game::bossBeaten);
    EXPECT_EQ(game::musicSound.getStatus(), sf::SoundSource::Status::Stopped);
    EXPECT_EQ(game::arenaFrame.getOutlineColor(), sf::Color::White);
}

// Ninety-two playing sounds leave no room for another; stopped ones make room at the next request.
TEST(SoundPoolLimit, NinetyTwoPlayingSoundsLeaveNoRoomForAnother) {
    const sf::SoundBuffer longSound = silence(2.0f);
    SoundPool pool;
    for (int i = 0; i < 93; i++)
        pool.play(longSound, {0, 0}, {0, 0});
    ASSERT_EQ(pool.sounds.size(), 92u);
    pool.sounds[0]->stop();
    pool.sounds[1]->stop();
    pool.play(longSound, {100, 0}, {0, 0});
    EXPECT_EQ(pool.sounds.size(), 91u);
    const float pitch = pool.sounds.back()->getPitch();
    EXPECT_TRUE(pitch == 0.9f || pitch == 1.0f || pitch == 1.1f) << pitch;
    EXPECT_EQ(pool.sounds.back()->getPosition(), sf::Vector3f(100, 0, 0));
}

} // namespace
