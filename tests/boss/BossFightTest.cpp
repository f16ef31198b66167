// The Zev Azirid's programme from set-up to the end, and the counts of its patterns.
#include "app/GameContext.hpp"
#include "boss/BossAttacks.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using BossFight = RunScenario;
using P = BossPattern;

// The speed of the first shot fired, whichever its kind, or else the first bomb's fuse.
float firstShot() {
    if (!game::bullets.empty())
        return game::bullets[0].speed;
    if (!game::bossBullets.empty())
        return game::bossBullets[0].speed;
    if (!game::homingProjectiles.empty())
        return game::homingProjectiles[0].speed;
    return game::bombs.at(0).explosionDelay;
}

TEST_F(BossFight, SetUpOpensAtTheCentreAndTheProgrammeRunsItsAttacksOnTimeToTheEnd) {
    startTestRun(game::BossFight, 99);
    const DieSentry& b = game::dieSentries.at(0);
    EXPECT_EQ(b.position, sf::Vector2f(1128, 450));
    EXPECT_EQ(b.sprite.getTextureRect(), sf::IntRect({750, 0}, {250, 250})); // the middle frame of seven
    EXPECT_EQ(game::hud.messageLog, "Good luck");
    EXPECT_EQ(game::arenaFrame.getOutlineColor(), sf::Color(250, 30, 30));

    std::vector<std::pair<int, long>> changes; // attack (-1 a pause) and the whole second of run time it began
    std::set<P> patterns[5];                   // the patterns chosen in each attack (0: none busy)
    // Of the boss during the opening; frames of attack 3 with lasers out; the run time of the last change.
    float nearestEdge = 1e9f;
    int laserFrames = 0;
    float lastChange = 0;
    for (int before = 0; !game::bossBeaten && game::player.runTime < 240; before = b.attack) {
        game::player.health = 1000; // a survivor, to see the whole programme
        frame();
        if (b.attack == 0)
            nearestEdge = std::min({nearestEdge, b.position.x, b.position.y, 2256 - b.position.x, 900 - b.position.y});
        patterns[b.attack > 0 && b.patternBusy ? b.attack : 0].insert(b.pattern);
        laserFrames += b.attack == 3 && !game::lasers.empty();
        if (b.attack == before)
            continue;
        lastChange = game::player.runTime;
        changes.emplace_back(b.attack, std::lround(lastChange));
        // Every beam goes with the laser attack, even mid-beam.
        EXPECT_EQ(game::laserSentries.size(), b.attack == 3 ? 8u : 0u) << b.attack;
        EXPECT_TRUE(game::lasers.empty()) << b.attack;
    }
    EXPECT_GE(nearestEdge, 250);
    EXPECT_GT(laserFrames, 0);
    EXPECT_EQ(game::director.eventCount, 0); // the boss brings its own enemies
    // Homing fans among them; bounce bursts only in attack 4.
    EXPECT_EQ(patterns[1], (std::set<P>{P::Rings, P::BombRain, P::BladeSpiral, P::HomingFans}));
    EXPECT_EQ(patterns[4], (std::set<P>{P::Rings, P::BombRain, P::BladeSpiral, P::HomingFans, P::BounceBursts}));
    // The timers keep their remainders and add up frame times in floats: the times
    // are nominal, a few hundredths of a second either way. The last pause comes
    // when attack 4's last pattern is done: with this seed at 224.06 s.
    const decltype(changes) expected = {{1, 5}, {-1, 65}, {2, 70}, {-1, 121}, {3, 126}, {-1, 169}, {4, 174}, {-1, 224}};
    EXPECT_EQ(changes, expected) << lastChange;
    EXPECT_NEAR(game::player.runTime, lastChange + 3, 0.1f); // the last pause, then the victory
}

TEST_F(BossFight, EachPatternFiresItsCountFromItsSpotAndAttackFourIsFaster) {
    // No pattern: attack 2's bounce waves. Shots counts bullets, balls, homing shots and
    // bombs; first is firstShot(); a negative spiral turns down.
    struct Row {
        const char* name;
        P pattern;
        int attack4;
        std::array<std::size_t, 4> shots;
        float first, spiral, time;
    };
    const Row rows[] = {
        {"rings", P::Rings, 0, {13 * 28, 0, 0, 0}, 900, 0, 1.3f},
        {"rings, attack 4", P::Rings, 1, {18 * 20, 0, 0, 0}, 1000, 0, 1.26f},
        {"bomb rain", P::BombRain, 0, {0, 0, 0, 50}, 1.8f, 0, 1.5f},
        {"bomb rain, attack 4", P::BombRain, 1, {0, 0, 0, 55}, 1.6f, 0, 1.375f},
        {"spiral up", P::BladeSpiral, 0, {180 * 5, 0, 0, 0}, 800, 720, 3.6f}, // two whole turns
        {"spiral down", P::BladeSpiral, 0, {180 * 5, 0, 0, 0}, 800, -720, 3.6f},
        {"spiral, attack 4", P::BladeSpiral, 1, {210 * 5, 0, 0, 0}, 1050, 840, 3.78f},
        {"homing fans", P::HomingFans, 0, {0, 0, 5 * 5, 0}, 1100, 0, 1.25f},
        {"homing fans, attack 4", P::HomingFans, 1, {0, 0, 8 * 5, 0}, 1350, 0, 1.76f},
        {"bounce bursts, attack 4", P::BounceBursts, 1, {0, 5 * 6, 0, 0}, 500, 0, 0.25f}, // the counter starts full
        {"bounce waves", P::None, 0, {0, 9 * 11 * 6, 0, 0}, 300, 0, 5.85f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        resetRun();
        game::frameTime = oneFrame;
        game::playerPosition = {1128, 450};
        DieSentry b;
        if (row.attack4)
            applyAttack4Settings(b);
        b.patternBusy = true;
        b.pattern = row.pattern;
        b.spiralDirection = row.spiral < 0;
        b.position = {1000, 450};
        b.destination = b.position;
        b.ringsLeft = b.ringCount;
        b.rainLeft = b.rainCount;
        b.spiralLeft = b.spiralCount;
        b.fansLeft = b.fanCount;
        const int ring = row.attack4 ? 20 : 28; // shots in a ring
        const bool waves = row.pattern == P::None;
        int frames = 0; // until the pattern is done
        for (; frames < 1000 && (waves ? b.wavesLeft > 0 || b.burstsLeft > 0 : b.patternBusy); frames++) {
            if (waves)
                bounceWaveStep(b);
            else
                patternDriver(b, ring, row.attack4 ? P::BounceBursts : P::HomingFans);
        }
        const std::array<std::size_t, 4> shots = {game::bullets.size(), game::bossBullets.size(),
                                                  game::homingProjectiles.size(), game::bombs.size()};
        EXPECT_EQ(shots, row.shots);
        EXPECT_EQ(firstShot(), row.first);
        EXPECT_EQ(b.spiralAngle, row.spiral);
        EXPECT_NEAR(frames * oneFrame, row.time, 0.05f);
        // Rings interleave: one fired with an odd count left (13, not 18) turns half a step,
        // so the first ring turns without attack 4 and the second with it.
        for (int i = 0; row.pattern == P::Rings && i < 2; i++)
            EXPECT_NEAR(game::bullets[i * ring + 1].angle, (i == row.attack4) * 180.0f / ring + 360.0f / ring, 1e-4f);
    }

    // Attack 4 moves and follows on faster.
    DieSentry b;
    applyAttack4Settings(b);
    EXPECT_EQ(b.moveSpeed, 1885);
    EXPECT_NEAR(b.patternGap, 1.7f / 1.3f, 1e-5f);
}

} // namespace
