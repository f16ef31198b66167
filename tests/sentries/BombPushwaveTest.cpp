// Bombs: dropped on the player, the fading fuse, the blast's square and window, one hit.
// Pushwaves: nine segments, the carry and the edge margin. Run through the real frame loop.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

namespace {

// A run without its director: each test places its own sentries and shots.
struct BombsAndWaves : RunScenario {
    void SetUp() override {
        RunScenario::SetUp();
        startTestRun(game::Average);
        game::director.eventTimer = -1e9f;
        frame();
    }
};

TEST_F(BombsAndWaves, ASentrysBombFadesOnThePlayerThenHurtsOnceInsideItsSquare) {
    const sf::Vector2f start = game::playerPosition;
    createBombSentry(start - sf::Vector2f(900, 0)); // far from the player: only a bomb on the player hurts
    int dropFrames = 1; // the creation step counts
    int fuseFrames = 0;
    int blastFrames = 0;
    int lastAlpha = 0;
    for (; game::bombs.empty(); dropFrames++)
        frame();
    game::bombSentries.clear(); // one bomb only
    for (; !game::bombs[0].exploded; fuseFrames++) {
        lastAlpha = game::bombs[0].sprite.getColor().a;
        frame();
    }
    for (; !game::bombs.empty(); blastFrames++)
        frame();
    EXPECT_NEAR(lastAlpha, 64, 2); // faded by 2 every 0.035 s: 162 down to 62 just before the blast
    EXPECT_NEAR(dropFrames * oneFrame, 2.5f, 1.5f * oneFrame);
    EXPECT_NEAR(fuseFrames * oneFrame, 1.75f, 1.5f * oneFrame);
    EXPECT_NEAR(blastFrames * oneFrame, 0.25f, 1.5f * oneFrame);
    EXPECT_EQ(game::player.health, 800);

    // The blast square is 450 units across, centred on its target, and hurts for its
    // 0.25 s whoever walks into it: wholly inside by 2 units, not 2 units out.
    const float in = 225 - compat::width(game::playerBounds) / 2 - 2;
    const float out = in + 4;
    const sf::Vector2f target = start + sf::Vector2f(0, 300);
    const struct {
        const char* name;
        sf::Vector2f offset;
        int health;
    } rows[] = {
        {"inside by the right side", {in, 0}, 800},
        {"inside by the top", {0, -in}, 800},
        {"out by the right side", {out, 0}, 1000},
        {"out by the top", {0, -out}, 1000},
    };
    for (const auto& row : rows) {
        game::player.health = 1000;
        game::playerPosition = start;
        dropBombAt(target, 0.05f, 200);
        frames(4); // gone off away from the player
        game::playerPosition = target + row.offset;
        frames(20);
        EXPECT_EQ(game::player.health, row.health) << row.name;
    }
}

// The player 300 units ahead of the sentry, then 56 units from the right wall:
// within 20, half its width (32) and a step (11.7) of it.
TEST_F(BombsAndWaves, AWaveCarriesThePlayerFourHundredUnitsButNotOffTheEdge) {
    for (float playerX : {900.0f, 2200.0f}) {
        SCOPED_TRACE(playerX);
        game::playerPosition = sf::Vector2f(playerX, 450);
        frame();
        createPushwaveSentry(sf::Vector2f(playerX - 300, 450));
        firePushwave(game::pushwaveSentries[0]);
        EXPECT_EQ(game::pushwaves.size(), 9u); // one wave of nine segments
        game::pushwaveSentries.clear();
        int carriedFrames = 0;
        for (int f = 0; f < 60 && !game::pushwaves.empty(); f++) {
            frame();
            carriedFrames += game::playerPushed;
        }
        const bool edge = playerX > 2000;
        EXPECT_NEAR(game::playerPosition.x - playerX, edge ? 0 : 400.0f, edge ? 0 : 700.0f * oneFrame);
        EXPECT_NEAR(carriedFrames * oneFrame, edge ? 0 : 400.0f / 700.0f, 2 * oneFrame); // about 0.57 s
    }
}

} // namespace
