// Bombs: dropped on the player, the fading fuse, the blast's square and window, one hit.
// Pushwaves: the carry, the edge margin, the wave ids. Run through the real frame loop.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A run without its director: each test places its own sentries and shots.
struct BombsAndWaves : RunScenario {
    void SetUp() override { RunScenario::SetUp(), startTestRun(1), game::director.eventTimer = -1e9f, frame(); }
};

TEST_F(BombsAndWaves, ASentrysBombFadesOnThePlayerThenHurtsOnceInsideItsSquare) {
    const sf::Vector2f start = game::playerPosition;
    createBombSentry(start - sf::Vector2f(900, 0)); // far from the player: only a bomb on the player hurts
    int dropFrames = 1, fuseFrames = 0, blastFrames = 0, lastAlpha = 162; // the creation step counts
    for (; game::bombs.empty(); dropFrames++)
        frame();
    for (game::bombSentries.clear(); !game::bombs[0].exploded; fuseFrames++) // one bomb only
        lastAlpha = game::bombs[0].sprite.getColor().a, frame();
    for (; !game::bombs.empty(); blastFrames++, frame())
        EXPECT_TRUE(game::bombs[0].frame >= 1 && game::bombs[0].frame <= 3);
    EXPECT_NEAR(lastAlpha, 64, 2); // faded by 2 every 0.035 s: 162 down to 62 just before the blast
    for (auto [count, seconds] : {std::pair{dropFrames, 2.5f}, {fuseFrames, 1.75f}, {blastFrames, 0.25f}})
        EXPECT_NEAR(count * oneFrame, seconds, 1.5f * oneFrame);
    EXPECT_EQ(game::player.health, 800);

    // The blast square is 450 units across, centred on its target, and hurts for its
    // 0.25 s whoever walks into it: wholly inside by 2 units, not 2 units out.
    const float in = 225 - compat::width(game::playerBounds) / 2 - 2, out = in + 4;
    const sf::Vector2f offsets[] = {{in, 0}, {-in, 0}, {0, in}, {0, -in}, {out, 0}, {-out, 0}, {0, out}, {0, -out}};
    for (int i = 0; i < 8; i++) {
        game::player.health = 1000, game::playerPosition = start;
        dropBombAt(start + sf::Vector2f(0, 300), 0.05f, 200), frames(4); // gone off away from the player
        game::playerPosition = start + sf::Vector2f(0, 300) - offsets[i], frames(20);
        EXPECT_EQ(game::player.health, i < 4 ? 800 : 1000) << i;
    }
}

TEST_F(BombsAndWaves, AWaveCarriesThePlayerFourHundredUnitsButNotOffTheEdgeAndWaveIdsWrap) {
    // The player 300 units ahead of the sentry, then 56 units from the right wall:
    // within 20, half its width (32) and a step (11.7) of it.
    for (float playerX : {900.0f, 2200.0f}) {
        SCOPED_TRACE(playerX);
        game::playerPosition = sf::Vector2f(playerX, 450), frame();
        createPushwaveSentry(sf::Vector2f(playerX - 300, 450)), firePushwave(game::pushwaveSentries[0]);
        game::pushwaveSentries.clear(); // one wave only
        int carriedFrames = 0;
        for (int f = 0; f < 60 && !game::pushwaves.empty(); f++)
            frame(), carriedFrames += game::playerPushed;
        const bool edge = playerX > 2000;
        EXPECT_NEAR(game::playerPosition.x - playerX, edge ? 0 : 400.0f, edge ? 0 : 700.0f * oneFrame);
        EXPECT_NEAR(carriedFrames * oneFrame, edge ? 0 : 400.0f / 700.0f, 2 * oneFrame); // about 0.57 s
    }
    // Wave ids wrap in sixteen bits, and start again at 0 when no wave is left.
    createPushwaveSentry(sf::Vector2f(600, 450));
    const auto fire = [] { return firePushwave(game::pushwaveSentries[0]), game::pushwaves.back().waveId; };
    fire(), game::pushwaves.back().waveId = 32767;
    EXPECT_EQ(fire(), -32768);
    EXPECT_EQ((game::pushwaves.clear(), fire()), 0);
}

} // namespace
