// The director's timetable, slots, kind rotation and upgrade draws, driven event by event.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

using Director = RunScenario;

TEST_F(Director, OpensWithABurstWaitsLongerAndLongerAndDrawsUpgradeFactorsByDifficulty) {
    const float factors[] = {1.1f, 1.25f, 1.4f, 1.5f, 1.6f, 1.7f, 1.75f, 1.77f};
    struct Row {
        const char* name;
        game::Difficulty difficulty;
        int burst;
        float interval, growth;
        int factorsDrawn;
    };
    const Row rows[] = {
        {"Average", game::Average, 4, 15.0f, 1.5f, 2},
        {"Hard", game::Hard, 6, 10.0f, 1.35f, 4},
        {"HELL", game::Hell, 10, 8.0f, 1.2f, 8},
    };
    for (const Row& t : rows) {
        SCOPED_TRACE(t.name);
        resetRun();
        game::frameTime = oneFrame;
        std::srand(3);
        SentryDirector director(std::int16_t(t.difficulty));
        std::vector<float> times = {0}; // run time of each event, after the start
        for (int f = 1; director.eventCount < t.burst + 4; f++) {
            director.tick();
            if (int(times.size()) <= director.eventCount)
                times.push_back(f * oneFrame);
        }
        // One every 0.2 s, then interval, then interval + 2, 3 and 4 times growth.
        for (int k = 0; k < t.burst + 4; k++) {
            const float wait = k < t.burst ? 0.2f : t.interval + (k > t.burst ? k - t.burst + 1 : 0) * t.growth;
            EXPECT_NEAR(times[k + 1] - times[k], wait, 1.5f * oneFrame) << k;
        }
        std::set<float> drawn;
        for (int event = 0; event < 300; event++) {
            game::hud = Hud();
            director.nextEvent();
            if (director.eventMode == SentryDirector::EventMode::Upgrade)
                drawn.insert(director.upgradeFactor);
        }
        EXPECT_EQ(drawn, std::set<float>(factors, factors + t.factorsDrawn));
    }
}

TEST_F(Director, SpawnsRotateKindsFillSlotsTwoAndSixteenFirstAndCloseAtFourteen) {
    for (unsigned seed = 1; seed <= 60; seed++) {
        SCOPED_TRACE(seed);
        resetRun();
        std::srand(seed);
        SentryDirector director(game::Hell);
        std::vector<int> kinds;
        for (int event = 0; event < 80; event++) {
            game::hud = Hud();
            director.nextEvent();
            if (director.eventMode == SentryDirector::EventMode::Spawn)
                kinds.push_back(director.eventKind);
            else
                ASSERT_GE(event, 2) << "the first two events spawn";
        }
        for (std::size_t i = 2; i < kinds.size(); i++)
            EXPECT_EQ(std::set<int>(kinds.begin() + long(i) - 2, kinds.begin() + long(i) + 1).size(), 3u) << i;
        // Spawning closes at fourteen sentries; the first edge and inner candidates, slots 2 and 16, are always taken.
        EXPECT_EQ(kinds.size(), 14u);
        EXPECT_TRUE(director.slotTaken[2]);
        EXPECT_TRUE(director.slotTaken[16]);
        EXPECT_LE(director.innerSlotsUsed, 4);
        for (const BulletSentry& sentry : game::bulletSentries) // bullet sentries keep to the edge slots
            EXPECT_TRUE(sentry.position.x < 500 || sentry.position.x > 1800) << sentry.position.x;
    }
}

} // namespace
