// The director's timetable, slots, kind rotation and upgrade draws, driven event by event.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

class Director : public RunScenario {
protected:
    void SetUp() override {
        RunScenario::SetUp();
        resetRun();
        game::frameTime = oneFrame;
    }
};

TEST_F(Director, OpensWithABurstThenWaitsLongerAndLonger) {
    struct Timetable { int difficulty, burst; float interval, growth; };
    for (Timetable t : {Timetable{1, 4, 15.0f, 1.5f}, Timetable{2, 6, 10.0f, 1.35f}, Timetable{3, 10, 8.0f, 1.2f}}) {
        SCOPED_TRACE(t.difficulty);
        resetRun();
        SentryDirector director(std::int16_t(t.difficulty));
        std::vector<float> times; // run time of each event
        for (int f = 1; director.eventCount < t.burst + 4; f++) {
            const int before = director.eventCount;
            director.tick();
            if (director.eventCount != before)
                times.push_back(f * oneFrame);
        }
        for (int k = 0; k < t.burst; k++)
            EXPECT_NEAR(times[k], 0.2f * (k + 1), 1.5f * oneFrame);
        // Then interval, and the wait between later events k and k + 1 is interval + (k + 2) x growth.
        for (int k = -1; k < 3; k++)
            EXPECT_NEAR(times[t.burst + k + 1] - times[t.burst + k], t.interval + (k < 0 ? 0 : (k + 2) * t.growth),
                        1.5f * oneFrame);
    }
}

TEST_F(Director, SpawnsRotateKindsFillSlotsTwoAndSixteenFirstAndCloseAtFourteen) {
    for (unsigned seed = 1; seed <= 60; seed++) {
        SCOPED_TRACE(seed);
        resetRun();
        std::srand(seed);
        SentryDirector director(3);
        std::vector<int> kinds;
        for (int event = 0; event < 80; event++) {
            const bool wasOpen = director.spawningOpen;
            const int edgeBefore = director.edgeSlotsUsed, innerBefore = director.innerSlotsUsed;
            game::hud = Hud();
            director.nextEvent();
            ASSERT_TRUE(event >= 2 || director.eventMode == 0) << "the first two events spawn";
            if (!wasOpen) { // a full arena only upgrades
                ASSERT_EQ(director.eventMode, 1);
                ASSERT_EQ(game::hud.messageLog.find("spawned"), std::string::npos);
            }
            if (director.eventMode == 0)
                kinds.push_back(director.eventKind);
            EXPECT_TRUE(edgeBefore > 0 || director.edgeSlotsUsed == 0 || director.slotTaken[2]);
            EXPECT_TRUE(innerBefore > 0 || director.innerSlotsUsed == 0 || director.slotTaken[16]);
        }
        for (std::size_t i = 2; i < kinds.size(); i++)
            EXPECT_EQ(std::set<int>(kinds.begin() + long(i) - 2, kinds.begin() + long(i) + 1).size(), 3u) << i;
        EXPECT_EQ(game::bulletSentries.size() + game::homingSentries.size() + game::bombSentries.size()
                      + game::pushwaveSentries.size(), 14u);
        EXPECT_TRUE(director.innerSlotsUsed > 0 && director.innerSlotsUsed <= 4);
        for (const BulletSentry& sentry : game::bulletSentries) // bullet sentries keep to the edge
            for (int inner = 14; inner < 18; inner++)
                EXPECT_NE(sentry.position, director.slots[inner]);
    }
    EXPECT_EQ(SentryDirector().slots[2], sf::Vector2f(141, 450));
    EXPECT_EQ(SentryDirector().slots[16], sf::Vector2f(564, 450));
}

TEST_F(Director, UpgradeFactorsFollowTheDifficultyAndTheBossFightHasNoEvents) {
    std::srand(3);
    SentryDirector average(1);
    std::set<std::string> factorsShown;
    for (int event = 0; event < 200; event++) {
        game::hud = Hud();
        average.nextEvent();
        const std::string& log = game::hud.messageLog;
        const std::size_t by = log.rfind("by ");
        if (average.eventMode == 1)
            factorsShown.insert(log.substr(by + 3, log.find("x\n\n", by) - by - 3));
    }
    EXPECT_EQ(factorsShown, (std::set<std::string>{"1.1", "1.25"}));

    SentryDirector boss(4);
    game::frameTime = 1.0f;
    for (int second = 0; second < 9998; second++)
        boss.tick();
    EXPECT_EQ(boss.eventCount, 0);
    // Were an upgrade ever due, no rolls allowed would draw the first factor.
    boss.spawnSentry(1, false);
    boss.spawnSentry(2, false);
    boss.spawningOpen = false;
    boss.nextEvent();
    EXPECT_FLOAT_EQ(boss.upgradeFactor, 1.1f);
}

} // namespace
