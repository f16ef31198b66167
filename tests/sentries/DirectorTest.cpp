// The director's slots and kind rotation, driven event by event. Its timetable and
// upgrade draws, the recorded replays of each difficulty pin.
#include "app/GameContext.hpp"
#include "platform/GameRandom.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using Director = RunScenario;

TEST_F(Director, SpawnsRotateKindsFillSlotsTwoAndSixteenFirstAndCloseAtFourteen) {
    for (unsigned seed = 1; seed <= 60; seed++) {
        SCOPED_TRACE(seed);
        resetRun();
        seedGameRandom(seed);
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
