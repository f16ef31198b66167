// The stats screen's text, and its "<" that answers without the focus.
#include "app/GameContext.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

namespace {

TEST(StatsScreen, EveryStatisticInItsPlaceWithTimesAndDistanceTruncatedAndBackAnswersUnfocused) {
    SaveData save; // every field is set below, whatever the save file held
    save.timeSpentDodging = 3660.5f;
    save.timeSpentDodgingDieSentry = 75.9f;
    save.distanceTravelled = 12345.9f;
    save.timesOpenedGame = 1;
    save.timesHitByProjectile = 2;
    save.timesDied = 3;
    save.buttonsClicked = 4;
    save.timesBeatenDieSentry = 5;
    save.timesAttemptedDieSentry = 6;
    save.bestTimeAverage = 59.99f;
    save.bestTimeHard = 600;
    save.bestTimeHell = 0;
    EXPECT_EQ(statsText(save),
              "Time spent Dodging: 1:01:00\n\nTime spent Dodging the Zev Azirid: 01:15\n\nTimes opened game: 1"
              "\n\nTotal distance travelled: 12345u\n\nTimes hit by a projectile: 2\n\nTimes Died: 3"
              "\n\nButtons clicked: 4\n\nTimes beaten the Zev Azirid: 5\n\nTimes attempted beating the Zev Azirid: 6"
              "\n\n\nHighest time on Average difficulty: 00:59\n\nHighest time on Hard difficulty: 10:00"
              "\n\nHighest time on HELL difficulty: 00:00");

    // The screen's "<" answers without the focus, at once, and counts the press.
    ScreenDriver driver;
    game::buttonSound.stop();
    const int clicks = game::saveData.buttonsClicked;
    EXPECT_EQ(driver.runScreen(statsScreen, {press(120, 120).unfocused()}), 1);
    EXPECT_EQ(game::saveData.buttonsClicked, clicks + 1);
}

TEST(StatsScreen, TheLastRunIsNamedByItsDifficultyOrTheAttackItPractised) {
    const struct {
        std::int32_t difficulty, practiceAttack;
        const char* line;
    } rows[] = {
        {2, 0, "Last run: Hard, 00:41"},
        {4, 0, "Last run: the Zev Azirid, 00:41"},
        {4, 2, "Last run: practice, Bounce waves, 00:41"},
    };
    for (const auto& row : rows) {
        Replay run;
        run.difficulty = row.difficulty;
        run.practiceAttack = row.practiceAttack;
        run.checks = {{2460, 0, 0, 1000, 1, 0, 41.9f}};
        EXPECT_EQ(lastRunLine(run), row.line);
    }
}

} // namespace
