// The run as a whole: dead shots leave their vectors, a long HELL run stays sound,
// the reset empties the run and the sound pool keeps to its limit.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "run/RunSetup.hpp"
#include "run/SoundPool.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Key = sf::Keyboard::Key;

class Run : public RunScenario {};

TEST_F(Run, AWaveWithOneDeadSegmentIsGoneByTheEndOfTheFrame) {
    startTestRun(1), game::director.eventTimer = -1e9f;
    createPushwaveSentry(sf::Vector2f(300, 150));
    firePushwave(game::pushwaveSentries[0]), firePushwave(game::pushwaveSentries[0]), game::pushwaveSentries.clear();
    game::pushwaves[4].distanceTravelled = 1e9f, frame(); // the middle of the first wave is spent
    ASSERT_EQ(game::pushwaves.size(), 9u);
    EXPECT_TRUE(std::all_of(game::pushwaves.begin(), game::pushwaves.end(), [](auto& s) { return s.waveId == 1; }));
}

TEST_F(Run, TwentyMinutesOfHellStayBoundedAndConsistent) {
    startTestRun(3, 2024);
    const std::vector<std::vector<Key>> pattern = {{Key::D}, {Key::S, Key::D}, {Key::A}, {Key::W, Key::A},
                                                   {Key::Up}, {}, {Key::Down, Key::Right}, {Key::Left}};
    const int minutes = 20, framesPerMinute = 3600;
    std::size_t mostShots = 0;
    for (int f = 0; f < minutes * framesPerMinute; f++) {
        // Ten minutes standing still, then a walk that changes course every half second.
        holdKeys(f < 10 * framesPerMinute ? std::vector<Key>{} : pattern[(f / 30) % pattern.size()]);
        game::player.health = 1000, frame(); // survive, to keep every system busy
        mostShots = std::max(mostShots, game::bullets.size() + game::homingProjectiles.size() + game::bombs.size()
                                            + game::pushwaves.size());
        const sf::FloatRect& b = game::playerBounds;
        ASSERT_TRUE(game::pushwaves.size() % 9 == 0 && std::isfinite(compat::left(b)) && std::isfinite(compat::top(b))
                    && compat::left(b) >= 10.0f - 1.0f && compat::left(b) + compat::width(b) < 2256.0f + 1.0f)
            << game::pushwaves.size() << " segments, player at " << compat::left(b) << ", " << compat::top(b);
    }
    EXPECT_EQ(game::bulletSentries.size() + game::homingSentries.size() + game::bombSentries.size()
                  + game::pushwaveSentries.size(), 14u);
    EXPECT_TRUE(mostShots < 3000 && game::soundPool.sounds.size() <= 92) << mostShots << " shots at most";
    // The clock and the statistic both advanced by the frames played.
    EXPECT_NEAR(game::player.runTime, minutes * 60.0f, 0.5f);
    EXPECT_NEAR(game::saveData.timeSpentDodging, minutes * 60.0f, 0.5f);
    EXPECT_TRUE(game::saveData.distanceTravelled > 1000 && game::saveData.timesHitByProjectile > 0);
}

TEST_F(Run, TheResetEmptiesEveryVectorOfTheRun) {
    startTestRun(4);
    game::bullets.emplace_back(), game::homingProjectiles.emplace_back(), game::bombs.emplace_back();
    game::pushwaves.emplace_back(), game::bossBullets.emplace_back();
    game::lasers.emplace_back(game::laserTexture, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1, "alarm");
    game::laserSentries.emplace_back(), game::bulletSentries.emplace_back(), game::bombSentries.emplace_back();
    game::homingSentries.emplace_back(), game::pushwaveSentries.emplace_back(), game::bossBeaten = true;
    resetRun();
    const std::array<std::size_t, 12> sizes = {
        game::bullets.size(), game::homingProjectiles.size(), game::bombs.size(), game::pushwaves.size(),
        game::bossBullets.size(), game::lasers.size(), game::laserSentries.size(), game::bulletSentries.size(),
        game::bombSentries.size(), game::homingSentries.size(), game::pushwaveSentries.size(),
        game::dieSentries.size()};
    EXPECT_EQ(sizes, (std::array<std::size_t, 12>{}));
    EXPECT_TRUE(!game::bossBeaten && game::musicSound.getStatus() == sf::SoundSource::Status::Stopped);
    EXPECT_EQ(game::arenaFrame.getOutlineColor(), sf::Color::White);
}

// Ninety-two playing sounds leave no room for another; stopped ones make room at the next request.
TEST(SoundPoolLimit, NinetyTwoPlayingSoundsLeaveNoRoomForAnother) {
    const sf::SoundBuffer longSound = silence(2.0f);
    SoundPool pool;
    for (int i = 0; i < 93; i++)
        pool.play(longSound, {0, 0}, {0, 0});
    ASSERT_EQ(pool.sounds.size(), 92u);
    ASSERT_TRUE(std::all_of(pool.sounds.begin(), pool.sounds.end(),
                            [](auto& s) { return s->getStatus() == sf::SoundSource::Status::Playing; }));
    pool.sounds[0]->stop(), pool.sounds[1]->stop(), pool.play(longSound, {100, 0}, {0, 0});
    EXPECT_EQ(pool.sounds.size(), 91u);
    const float pitch = pool.sounds.back()->getPitch();
    EXPECT_TRUE(pitch == 0.9f || pitch == 1.0f || pitch == 1.1f);
    EXPECT_EQ(pool.sounds.back()->getPosition(), sf::Vector3f(100, 0, 0));
}

} // namespace
