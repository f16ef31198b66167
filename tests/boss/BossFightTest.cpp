// The Zev Azirid's programme from set-up to the end, and the counts of its patterns.
#include "app/GameContext.hpp"
#include "boss/BossAttacks.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

class BossFight : public RunScenario {
protected:
    DieSentry& boss() { return game::dieSentries.at(0); }

    // A Zev Azirid standing still on its spot, with nothing else in the arena.
    DieSentry standingBoss() {
        resetRun();
        game::frameTime = oneFrame;
        game::playerPosition = sf::Vector2f(1128, 450);
        DieSentry still;
        still.position = still.destination = sf::Vector2f(1000, 450);
        return still;
    }
};

TEST_F(BossFight, SetUpOpensTheFightAtTheCentre) {
    const int attempts = game::saveData.timesAttemptedDieSentry;
    game::musicSound.openFromFile(VIZOVID_SOURCE_DIR "/Assets/Music/dieSentryTheme.mp3");
    startTestRun(4);
    ASSERT_EQ(game::dieSentries.size(), 1u);
    EXPECT_EQ(boss().position, sf::Vector2f(1128, 450));
    EXPECT_EQ(boss().sprite.getTextureRect(), sf::IntRect(750, 0, 250, 250));
    ASSERT_EQ(game::bombs.size(), 1u);
    EXPECT_EQ(game::bombs[0].damage, 0);
    EXPECT_EQ(game::saveData.timesAttemptedDieSentry, attempts + 1);
    EXPECT_EQ(game::hud.messageLog, "Good luck");
    EXPECT_EQ(game::arenaFrame.getOutlineColor(), sf::Color(250, 30, 30, 255));
    EXPECT_EQ(game::musicSound.getStatus(), sf::Sound::Playing);
    const int hits = game::saveData.timesHitByProjectile;
    frame(); // the entrance blast goes off at once
    EXPECT_TRUE(game::bombs[0].exploded);
    frame(); // and is no hit: no damage, no count
    EXPECT_EQ(game::player.health, 1000);
    EXPECT_EQ(game::saveData.timesHitByProjectile, hits);
    resetRun();
    EXPECT_EQ(game::musicSound.getStatus(), sf::Sound::Stopped);
    EXPECT_EQ(game::arenaFrame.getOutlineColor(), sf::Color::White);
}

TEST_F(BossFight, TheProgrammeRunsItsAttacksOnTimeToTheEnd) {
    startTestRun(4, 99);
    std::map<int, float> startOf; // attack -> run time at which it began
    std::vector<float> pauses;
    int lastAttack = 0;
    float nearestEdgeInOpening = 1e9f;
    while (!game::bossBeaten) {
        game::player.health = 1000; // a survivor, to see the whole programme
        frame();
        ASSERT_LT(game::player.runTime, 240.0f);
        const DieSentry& b = boss();
        if (b.attack == 0) {
            nearestEdgeInOpening = std::min({nearestEdgeInOpening, b.position.x, b.position.y,
                                             2256 - b.position.x, 900 - b.position.y});
        }
        if (b.attack != lastAttack) {
            if (b.attack == -1) {
                pauses.push_back(game::player.runTime);
                if (lastAttack == 4) {
                    EXPECT_EQ(b.position, b.destination) << "attack 4 ends only on an arrival";
                }
            } else {
                startOf[b.attack] = game::player.runTime;
            }
            lastAttack = b.attack;
        }
        if (b.attack == 3) {
            EXPECT_LE(game::laserSentries.size(), 8u);
        }
    }
    // The timers keep their remainders and add up frame times in floats: the times
    // are nominal, a few hundredths of a second either way.
    const float slack = 0.1f;
    EXPECT_NEAR(startOf[1], 5, slack);
    ASSERT_EQ(pauses.size(), 4u);
    EXPECT_NEAR(pauses[0], 65, slack);
    EXPECT_NEAR(startOf[2], 70, slack);
    EXPECT_NEAR(pauses[1], 121, slack);
    EXPECT_NEAR(startOf[3], 126, slack);
    EXPECT_NEAR(pauses[2], 169, slack);
    EXPECT_NEAR(startOf[4], 174, slack);
    EXPECT_GE(pauses[3], 224 - slack);
    EXPECT_LT(pauses[3], 226); // a flight to a spot is short
    EXPECT_NEAR(game::player.runTime, pauses[3] + 3, slack);
    EXPECT_GE(nearestEdgeInOpening, 250.0f);

    // The victory bomb: the next frame's hit ends the run.
    frame();
    frame();
    EXPECT_FALSE(game::runActive);
}

TEST_F(BossFight, AttackTwoReleasesNineWavesOfElevenBurstsOfSix) {
    DieSentry b = standingBoss();
    b.attack = 2;
    for (int f = 0; f < 60 * 10; f++)
        bounceWaveStep(b);
    EXPECT_EQ(game::bossBullets.size(), 594u);
    EXPECT_EQ(b.wavesLeft, 0);
    EXPECT_EQ(b.burstsLeft, 0);
}

TEST_F(BossFight, TheBladeSpiralFires180FansAndTurnsTwice) {
    for (int direction : {0, 1}) {
        DieSentry b = standingBoss();
        b.pattern = 3;
        b.patternBusy = true;
        b.spiralLeft = b.spiralCount;
        b.spiralDirection = direction;
        int frames = 0;
        while (b.patternBusy) {
            patternDriver(b, 28, 4);
            ASSERT_LT(++frames, 1000);
        }
        EXPECT_EQ(game::bullets.size(), 900u);
        EXPECT_EQ(b.spiralAngle, direction == 0 ? 720 : -720);
        EXPECT_NEAR(frames * oneFrame, 3.6f, 0.1f);
    }
}

TEST_F(BossFight, ConsecutiveRingsInterleave) {
    DieSentry b = standingBoss();
    b.ringsLeft = 13;
    fireRing(b, 28);
    fireRing(b, 28);
    ASSERT_EQ(game::bullets.size(), 56u);
    EXPECT_NEAR(game::bullets[0].angle, 0.5f * 360 / 28, 1e-4f); // 13 left: odd, turned half a step
    EXPECT_NEAR(game::bullets[28].angle, 0.0f, 1e-4f);
    EXPECT_NEAR(game::bullets[1].angle - game::bullets[0].angle, 360.0f / 28, 1e-4f);
    EXPECT_EQ(b.ringsLeft, 11);
}

TEST_F(BossFight, PatternFiveFiresFiveBurstsAtOnceThenSoundsAndEnds) {
    DieSentry b = standingBoss();
    applyAttack4Settings(b);
    b.pattern = 5;
    b.patternBusy = true;
    int frames = 0;
    while (b.patternBusy) {
        patternDriver(b, 20, 5);
        if (frames == 3) { // the counter starts full: the first burst needs no wave
            EXPECT_EQ(game::bossBullets.size(), 6u);
        }
        ASSERT_LT(++frames, 200);
    }
    EXPECT_EQ(game::bossBullets.size(), 30u);
    EXPECT_EQ(b.burstsLeft, 5);
    EXPECT_FLOAT_EQ(b.moveSpeed, 1885.0f);
    EXPECT_NEAR(b.patternGap, 1.7f / 1.3f, 1e-5f);
}

TEST_F(BossFight, AFiringSpotIsFoundEvenWithThePlayerInTheCorner) {
    DieSentry b = standingBoss();
    applyAttack4Settings(b);
    // Bottom right, as far as the walls let the player go: no whole angle puts a
    // spot 300 units away inside the allowed box.
    game::playerPosition = sf::Vector2f(2256 - 33, 900 - 33);
    b.patternTimer = 10;
    patternDriver(b, 20, 5);
    EXPECT_TRUE(b.patternBusy);
    EXPECT_LE(b.destination.x, 2256 - 300 + 50.0f);
    EXPECT_LE(b.destination.y, 900 - 300 + 50.0f);
}

} // namespace
