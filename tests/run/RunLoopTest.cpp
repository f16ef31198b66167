// The run as a whole: dead shots leave their vectors, and a long HELL run stays sound.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "run/SoundPool.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Key = sf::Keyboard::Key;

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
    for (const Pushwave& segment : game::pushwaves)
        EXPECT_EQ(segment.waveId, 1);
}

TEST_F(Run, TwentyMinutesOfHellStayBoundedAndConsistent) {
    startTestRun(3, 2024);
    const float dodgedBefore = game::saveData.timeSpentDodging;
    const float travelledBefore = game::saveData.distanceTravelled;
    const std::vector<std::vector<Key>> pattern = {{Key::D}, {Key::S, Key::D}, {Key::A}, {Key::W, Key::A},
                                                   {Key::Up}, {}, {Key::Down, Key::Right}, {Key::Left}};
    const int minutes = 20, framesPerMinute = 3600;
    std::size_t mostShots = 0;
    for (int f = 0; f < minutes * framesPerMinute; f++) {
        // Ten minutes standing still, then a walk that changes course every half second.
        holdKeys(f < 10 * framesPerMinute ? std::vector<Key>{} : pattern[(f / 30) % pattern.size()]);
        game::player.health = 1000; // survive, to keep every system busy
        frame();
        mostShots = std::max(mostShots, game::bullets.size() + game::homingProjectiles.size() + game::bombs.size()
                                            + game::pushwaves.size());
        ASSERT_EQ(game::pushwaves.size() % 9, 0u);
        ASSERT_TRUE(std::isfinite(game::playerPosition.x) && std::isfinite(game::playerPosition.y));
        ASSERT_GE(game::playerBounds.left, 10.0f - 1.0f);
        ASSERT_LT(game::playerBounds.left + game::playerBounds.width, 2256.0f + 1.0f);
    }
    EXPECT_EQ(game::bulletSentries.size() + game::homingSentries.size() + game::bombSentries.size()
                  + game::pushwaveSentries.size(),
              14u);
    EXPECT_LT(mostShots, 3000u);
    EXPECT_LE(game::soundPool.sounds.size(), 92u);
    // The clock and the statistic both advanced by the frames played.
    const float played = float(minutes * 60);
    EXPECT_NEAR(game::player.runTime, played, 0.5f);
    EXPECT_NEAR(game::saveData.timeSpentDodging - dodgedBefore, played, 0.5f);
    EXPECT_GT(game::saveData.distanceTravelled - travelledBefore, 1000.0f);
    EXPECT_GT(game::saveData.timesHitByProjectile, 0);
}

TEST_F(Run, TheResetEmptiesEveryVectorOfTheRun) {
    startTestRun(4);
    game::bullets.emplace_back(), game::homingProjectiles.emplace_back(), game::bombs.emplace_back();
    game::pushwaves.emplace_back(), game::bossBullets.emplace_back();
    game::lasers.emplace_back(game::laserTexture, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1, "alarm");
    game::laserSentries.emplace_back(), game::bulletSentries.emplace_back(), game::bombSentries.emplace_back();
    game::homingSentries.emplace_back(), game::pushwaveSentries.emplace_back();
    game::bossBeaten = true;
    resetRun();
    const std::size_t sizes[] = {game::bullets.size(), game::homingProjectiles.size(), game::bombs.size(),
                                 game::pushwaves.size(), game::bossBullets.size(), game::lasers.size(),
                                 game::laserSentries.size(), game::bulletSentries.size(), game::bombSentries.size(),
                                 game::homingSentries.size(), game::pushwaveSentries.size(), game::dieSentries.size()};
    for (std::size_t i = 0; i < std::size(sizes); i++)
        EXPECT_EQ(sizes[i], 0u) << "vector " << i;
    EXPECT_FALSE(game::bossBeaten);
    EXPECT_EQ(game::musicSound.getStatus(), sf::Sound::Stopped);
    EXPECT_EQ(game::arenaFrame.getOutlineColor(), sf::Color::White);
}

TEST(SoundPoolLimit, NinetyTwoPlayingSoundsLeaveNoRoomForAnother) {
    const sf::SoundBuffer longSound = silence(2.0f);
    SoundPool pool;
    for (int i = 0; i < 92; i++)
        pool.play(longSound, {0, 0}, {0, 0});
    ASSERT_EQ(pool.sounds.size(), 92u);
    for (const auto& sound : pool.sounds)
        ASSERT_EQ(sound->getStatus(), sf::Sound::Playing);
    pool.play(longSound, {0, 0}, {0, 0});
    EXPECT_EQ(pool.sounds.size(), 92u);

    // Stopped sounds make room at the next request.
    pool.sounds[0]->stop();
    pool.sounds[1]->stop();
    pool.play(longSound, {100, 0}, {0, 0});
    EXPECT_EQ(pool.sounds.size(), 91u);
    const float pitch = pool.sounds.back()->getPitch();
    EXPECT_TRUE(pitch == 0.9f || pitch == 1.0f || pitch == 1.1f);
    EXPECT_EQ(pool.sounds.back()->getPosition(), sf::Vector3f(100, 0, 0));
}

} // namespace
