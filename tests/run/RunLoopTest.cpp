// The run as a whole: the reset empties the run and the sound pool keeps to its limit.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "run/SoundPool.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

class Run : public RunScenario {};

// Whatever a run left behind, the next one starts empty.
TEST_F(Run, TheResetEmptiesEveryVectorOfTheRun) {
    for (game::Difficulty difficulty : {game::Hell, game::BossFight}) { // HELL's sentries and shots, then the boss's
        startTestRun(difficulty);
        frames(60 * 60);
    }
    game::lasers.emplace_back(game::laserTexture, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1, "alarm");
    game::laserSentries.emplace_back();
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
}

} // namespace
