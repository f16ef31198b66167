// The director's timetable, slots, kind rotation and upgrades, driven tick by tick.
#include "app/GameContext.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"

#include <gtest/gtest.h>

#include <cmath>
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
        game::hud = Hud();
    }

    // Ticks until the event count reaches count; returns the time of each event.
    std::vector<float> eventTimes(SentryDirector& director, int count) {
        std::vector<float> times;
        float now = 0;
        while (director.eventCount < count) {
            const int before = director.eventCount;
            director.tick();
            now += oneFrame;
            if (director.eventCount != before)
                times.push_back(now);
        }
        return times;
    }

    static int sentriesStanding() {
        return int(game::bulletSentries.size() + game::homingSentries.size() + game::bombSentries.size()
                   + game::pushwaveSentries.size());
    }
};

TEST_F(Director, OpensWithABurstThenWaitsLongerAndLonger) {
    struct Timetable { int difficulty, burst; float interval, growth; };
    for (Timetable t : {Timetable{1, 4, 15.0f, 1.5f}, Timetable{2, 6, 10.0f, 1.35f}, Timetable{3, 10, 8.0f, 1.2f}}) {
        resetRun();
        std::srand(7);
        SentryDirector director(std::int16_t(t.difficulty));
        const std::vector<float> times = eventTimes(director, t.burst + 4);
        for (int k = 0; k < t.burst; k++)
            EXPECT_NEAR(times[k], 0.2f * (k + 1), 1.5f * oneFrame) << "difficulty " << t.difficulty;
        EXPECT_NEAR(times[t.burst] - times[t.burst - 1], t.interval, 1.5f * oneFrame);
        // After that the wait between later events k and k + 1 is interval + (k + 2) x growth.
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(times[t.burst + k + 1] - times[t.burst + k], t.interval + (k + 2) * t.growth,
                        1.5f * oneFrame);
    }
}

TEST_F(Director, FirstSpawnsTakeSlotTwoAndSixteenAndNeverRepeatAKindInThree) {
    bool sawEdgeFirst = false, sawInnerFirst = false;
    for (unsigned seed = 1; seed <= 60; seed++) {
        resetRun();
        std::srand(seed);
        SentryDirector director(3);
        std::vector<int> spawnedKinds;
        bool edgeSeen = false, innerSeen = false;
        for (int event = 0; event < 30; event++) {
            const int edgeBefore = director.edgeSlotsUsed, innerBefore = director.innerSlotsUsed;
            director.nextEvent();
            if (event < 2) {
                ASSERT_EQ(director.eventMode, 0) << "seed " << seed << ": the first two events spawn";
            }
            if (director.eventMode != 0)
                continue;
            spawnedKinds.push_back(director.eventKind);
            if (!edgeSeen && director.edgeSlotsUsed > edgeBefore) {
                edgeSeen = true;
                EXPECT_TRUE(director.slotTaken[2]) << "seed " << seed;
                sawEdgeFirst = true;
            }
            if (!innerSeen && director.innerSlotsUsed > innerBefore) {
                innerSeen = true;
                EXPECT_TRUE(director.slotTaken[16]) << "seed " << seed;
                sawInnerFirst = true;
            }
        }
        for (std::size_t i = 2; i < spawnedKinds.size(); i++) {
            const std::set<int> three(spawnedKinds.begin() + long(i) - 2, spawnedKinds.begin() + long(i) + 1);
            EXPECT_EQ(three.size(), 3u) << "seed " << seed << " spawn " << i;
        }
    }
    EXPECT_TRUE(sawEdgeFirst && sawInnerFirst);
    EXPECT_EQ(SentryDirector().slots[2], sf::Vector2f(141, 450));
    EXPECT_EQ(SentryDirector().slots[16], sf::Vector2f(564, 450));
}

TEST_F(Director, SpawningClosesAtFourteenSentriesAndOnlyUpgradesFollow) {
    for (unsigned seed = 1; seed <= 10; seed++) {
        resetRun();
        game::hud = Hud();
        std::srand(seed);
        SentryDirector director(3);
        int upgradesAfterClosing = 0;
        for (int event = 0; event < 80; event++) {
            const bool wasOpen = director.spawningOpen;
            const int before = sentriesStanding();
            game::hud = Hud();
            director.nextEvent();
            if (!wasOpen) {
                EXPECT_EQ(director.eventMode, 1);
                EXPECT_EQ(sentriesStanding(), before);
                EXPECT_EQ(game::hud.messageLog.find("spawned"), std::string::npos);
                upgradesAfterClosing++;
            }
        }
        EXPECT_FALSE(director.spawningOpen);
        EXPECT_EQ(sentriesStanding(), 14);
        EXPECT_GT(upgradesAfterClosing, 0);
        EXPECT_LE(director.innerSlotsUsed, 4);
        // Bullet sentries stand on edge slots only.
        for (const BulletSentry& sentry : game::bulletSentries)
            for (int inner = 14; inner < 18; inner++)
                EXPECT_NE(sentry.position, director.slots[inner]);
    }
}

TEST_F(Director, AverageUpgradesOnlyByOnePointOneOrOnePointTwoFive) {
    std::srand(3);
    SentryDirector director(1);
    std::set<std::string> factorsShown;
    for (int event = 0; event < 200; event++) {
        game::hud = Hud();
        director.nextEvent();
        if (director.eventMode == 1) {
            const std::string& log = game::hud.messageLog;
            const std::size_t by = log.rfind("by ");
            factorsShown.insert(log.substr(by + 3, log.find("x\n\n", by) - by - 3));
        }
    }
    EXPECT_EQ(factorsShown, (std::set<std::string>{"1.1", "1.25"}));
}

TEST_F(Director, TheBossFightHasNoEventsAndCouldNotDivideByZero) {
    SentryDirector director(4);
    game::frameTime = 1.0f;
    for (int second = 0; second < 9998; second++)
        director.tick();
    EXPECT_EQ(director.eventCount, 0);

    // An upgrade with no rolls allowed draws the first factor.
    director.spawnSentry(1, false);
    director.spawnSentry(2, false);
    director.spawningOpen = false;
    director.nextEvent();
    EXPECT_EQ(director.eventMode, 1);
    EXPECT_FLOAT_EQ(director.upgradeFactor, 1.1f);
}

} // namespace
