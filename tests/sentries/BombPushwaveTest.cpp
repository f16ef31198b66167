// Bombs: the fading fuse, the blast window, one hit. Pushwaves: the carry, the
// wave that goes whole, the edge margin. Run through the real frame loop.
#include "app/GameContext.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {


class BombsAndWaves : public RunScenario {
protected:
    void SetUp() override {
        RunScenario::SetUp();
        startTestRun(1);
        // No director: the scenarios place their own sentries and shots.
        game::director.eventTimer = -1e9f;
    }
};

TEST_F(BombsAndWaves, ABombFadesThenHurtsOnceDuringItsBlast) {
    frame();
    dropBombAt(game::playerPosition, 1.75f, 200);
    Bomb& bomb = game::bombs[0];
    EXPECT_EQ(bomb.sprite.getColor().a, 162);
    int fuseFrames = 0, blastFrames = 0, lastAlpha = 162;
    while (!game::bombs.empty() && !game::bombs[0].exploded) {
        lastAlpha = game::bombs[0].sprite.getColor().a;
        frame();
        fuseFrames++;
    }
    // Faded by 2 every 0.035 s: 162 down to 62 just before the blast.
    EXPECT_NEAR(lastAlpha, 64, 2);
    EXPECT_NEAR(fuseFrames * oneFrame, 1.75f, 1.5f * oneFrame);
    const int healthAtBlast = game::player.health;
    while (!game::bombs.empty()) {
        EXPECT_GE(game::bombs[0].frame, 1);
        EXPECT_LE(game::bombs[0].frame, 3);
        frame();
        blastFrames++;
    }
    EXPECT_NEAR(blastFrames * oneFrame, 0.25f, 1.5f * oneFrame);
    EXPECT_EQ(game::player.health, healthAtBlast - 200);
}

TEST_F(BombsAndWaves, ABlastMissesAPlayerOutsideItsSquareButCatchesOneWalkingIn) {
    frame();
    const sf::Vector2f start = game::playerPosition;
    // 225 units to the side plus the player's half width: just outside.
    dropBombAt(start + sf::Vector2f(225 + game::playerBounds.width / 2 + 1, 0), 0.1f, 200);
    frames(30);
    EXPECT_EQ(game::player.health, 1000);

    // A bomb that has gone off still hurts whoever walks into it within 0.25 s.
    dropBombAt(start + sf::Vector2f(0, 300), 0.05f, 200);
    frames(4);
    ASSERT_TRUE(game::bombs[0].exploded);
    EXPECT_EQ(game::player.health, 1000);
    game::playerPosition = start + sf::Vector2f(0, 300);
    frames(20);
    EXPECT_EQ(game::player.health, 800);
}

TEST_F(BombsAndWaves, AWaveCarriesThePlayerFourHundredUnitsThenGoesWhole) {
    game::playerPosition = sf::Vector2f(900, 450);
    frame();
    createPushwaveSentry(sf::Vector2f(600, 450));
    firePushwave(game::pushwaveSentries[0]);
    ASSERT_EQ(game::pushwaves.size(), 9u);
    game::pushwaveSentries.clear(); // one wave only

    const float startX = game::playerPosition.x;
    int carriedFrames = 0;
    while (!game::pushwaves.empty()) {
        const float before = game::playerPosition.x;
        frame();
        if (game::playerPosition.x > before)
            carriedFrames++;
        // Segments leave together or not at all.
        EXPECT_TRUE(game::pushwaves.empty() || game::pushwaves.size() == 9u);
        ASSERT_LT(carriedFrames, 200);
    }
    EXPECT_NEAR(game::playerPosition.x - startX, 400.0f, 700.0f * oneFrame);
    EXPECT_NEAR(carriedFrames * oneFrame, 400.0f / 700.0f, 2 * oneFrame); // about 0.57 s
    EXPECT_EQ(game::player.health, 1000);                          // waves never hurt at base
}

TEST_F(BombsAndWaves, AWaveLeavesAPlayerNearTheEdgeWhereItIs) {
    game::playerPosition = sf::Vector2f(2256 - 40, 450);
    frame();
    createPushwaveSentry(sf::Vector2f(1900, 450));
    game::pushwaveSentries[0].fireInterval = 1000;
    firePushwave(game::pushwaveSentries[0]);
    const sf::Vector2f start = game::playerPosition;
    frames(60);
    EXPECT_EQ(game::playerPosition, start);
}

TEST_F(BombsAndWaves, WaveIdsCountUpAndStartAgainWhenNoWaveIsLeft) {
    createPushwaveSentry(sf::Vector2f(600, 450));
    firePushwave(game::pushwaveSentries[0]);
    firePushwave(game::pushwaveSentries[0]);
    EXPECT_EQ(game::pushwaves.front().waveId, 0);
    EXPECT_EQ(game::pushwaves.back().waveId, 1);
    game::pushwaves.back().waveId = 32767;
    firePushwave(game::pushwaveSentries[0]);
    EXPECT_EQ(game::pushwaves.back().waveId, -32768);
    game::pushwaves.clear();
    firePushwave(game::pushwaveSentries[0]);
    EXPECT_EQ(game::pushwaves.back().waveId, 0);
}

} // namespace
