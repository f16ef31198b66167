// Bombs: the fading fuse, the blast window, one hit. Pushwaves: the carry, the
// wave that goes whole, the edge margin. Run through the real frame loop.
#include "app/GameContext.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

namespace {

class BombsAndWaves : public RunScenario {
protected:
    void SetUp() override {
        RunScenario::SetUp();
        startTestRun(1);
        game::director.eventTimer = -1e9f; // no director: the scenarios place their own shots
        frame();
    }
};

TEST_F(BombsAndWaves, ABombFadesThenHurtsOnceDuringItsBlastAndOnlyInsideItsSquare) {
    const sf::Vector2f start = game::playerPosition;
    dropBombAt(start, 1.75f, 200);
    int fuseFrames = 0, blastFrames = 0, lastAlpha = 162;
    for (; !game::bombs[0].exploded; fuseFrames++) {
        lastAlpha = game::bombs[0].sprite.getColor().a;
        frame();
    }
    EXPECT_NEAR(lastAlpha, 64, 2); // faded by 2 every 0.035 s: 162 down to 62 just before the blast
    EXPECT_NEAR(fuseFrames * oneFrame, 1.75f, 1.5f * oneFrame);
    for (; !game::bombs.empty(); blastFrames++) {
        EXPECT_TRUE(game::bombs[0].frame >= 1 && game::bombs[0].frame <= 3);
        frame();
    }
    EXPECT_NEAR(blastFrames * oneFrame, 0.25f, 1.5f * oneFrame);
    EXPECT_EQ(game::player.health, 800);

    // 225 units to the side plus the player's half width: just outside.
    dropBombAt(start + sf::Vector2f(225 + game::playerBounds.width / 2 + 1, 0), 0.1f, 200);
    frames(30);
    EXPECT_EQ(game::player.health, 800);
    // A bomb that has gone off still hurts whoever walks into it within 0.25 s.
    dropBombAt(start + sf::Vector2f(0, 300), 0.05f, 200);
    frames(4);
    ASSERT_TRUE(game::bombs[0].exploded);
    game::playerPosition = start + sf::Vector2f(0, 300);
    frames(20);
    EXPECT_EQ(game::player.health, 600);
}

TEST_F(BombsAndWaves, AWaveCarriesThePlayerFourHundredUnitsButNotOffTheEdge) {
    // The player 300 units ahead of the sentry, then 56 units from the right wall:
    // within 20, half its width (32) and a step (11.7) of it.
    for (float playerX : {900.0f, 2200.0f}) {
        SCOPED_TRACE(playerX);
        game::pushwaves.clear();
        game::playerPosition = sf::Vector2f(playerX, 450);
        frame();
        const int hits = game::saveData.timesHitByProjectile;
        game::player.timeSinceHit = 100;
        createPushwaveSentry(sf::Vector2f(playerX - 300, 450));
        firePushwave(game::pushwaveSentries[0]);
        game::pushwaveSentries.clear(); // one wave only
        int carriedFrames = 0;
        for (int f = 0; f < 60 && !game::pushwaves.empty(); f++) {
            const float before = game::playerPosition.x;
            frame();
            carriedFrames += game::playerPosition.x > before;
            EXPECT_TRUE(game::pushwaves.empty() || game::pushwaves.size() == 9u); // the wave goes whole
        }
        const bool edge = playerX > 2000;
        EXPECT_NEAR(game::playerPosition.x - playerX, edge ? 0 : 400.0f, edge ? 0 : 700.0f * oneFrame);
        EXPECT_NEAR(carriedFrames * oneFrame, edge ? 0 : 400.0f / 700.0f, 2 * oneFrame); // about 0.57 s
        // A touch costs only its damage, 0 at base: no hit counted, healing not put off.
        EXPECT_EQ(game::player.health, 1000);
        EXPECT_EQ(game::saveData.timesHitByProjectile, hits);
        EXPECT_GT(game::player.timeSinceHit, 100.0f);
    }
}

TEST_F(BombsAndWaves, WaveIdsCountUpAndStartAgainWhenNoWaveIsLeft) {
    createPushwaveSentry(sf::Vector2f(600, 450));
    for (int wave = 0; wave < 2; wave++)
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
