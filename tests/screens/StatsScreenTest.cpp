// The stats screen's text, and its "<" that answers without the focus.
#include "app/GameContext.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A save record of a first start, made in an empty folder so that it reads nothing.
struct FreshSave {
    fs::path oldFolder = fs::current_path();
    fs::path folder = fs::temp_directory_path() / ("vizovid-stats-" + std::to_string(getpid()));
    FreshSave() {
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    ~FreshSave() {
        fs::current_path(oldFolder);
        fs::remove_all(folder);
    }
};

TEST(StatsText, AFreshSaveReadsOneStartAndZeroes) {
    FreshSave fresh;
    SaveData save;
    save.timesOpenedGame++; // the start of the program
    EXPECT_EQ(statsText(save),
              "Time spent Dodging: 00:00"
              "\n\nTime spent Dodging the Zev Azirid: 00:00"
              "\n\nTimes opened game: 1"
              "\n\nTotal distance travelled: 0u"
              "\n\nTimes hit by a projectile: 0"
              "\n\nTimes Died: 0"
              "\n\nButtons clicked: 0"
              "\n\nTimes beaten the Zev Azirid: 0"
              "\n\nTimes attempted beating the Zev Azirid: 0"
              "\n\n\nHighest time on Average difficulty: 00:00"
              "\n\nHighest time on Hard difficulty: 00:00"
              "\n\nHighest time on HELL difficulty: 00:00");
}

TEST(StatsText, TruncatesDistanceAndTimes) {
    FreshSave fresh;
    SaveData save;
    save.distanceTravelled = 12345.9f;
    save.bestTimeHell = 75.9f;
    save.timeSpentDodging = 3660.5f;
    const std::string text = statsText(save);
    EXPECT_NE(text.find("Total distance travelled: 12345u"), std::string::npos);
    EXPECT_NE(text.find("Highest time on HELL difficulty: 01:15"), std::string::npos);
    EXPECT_NE(text.find("Time spent Dodging: 1:01:00"), std::string::npos);

    // A distance beyond what an int holds, as an edited save may give, shows its limit.
    save.distanceTravelled = 1e20f;
    EXPECT_NE(statsText(save).find("Total distance travelled: 2147483647u"), std::string::npos);
}

TEST(StatsScreen, BackAnswersWithoutTheFocusAndCountsThePress) {
    ScreenDriver driver;
    const sf::SoundBuffer longPress = silence(5.0f);
    game::buttonSound.setBuffer(longPress);
    game::buttonSound.stop();
    const int clicks = game::saveData.buttonsClicked;
    driver.script.focus = false;
    driver.press(120, 120);
    statsScreen();
    EXPECT_EQ(driver.script.framesEnded, 0); // on the very first frame
    EXPECT_EQ(game::saveData.buttonsClicked, clicks + 1);
    game::buttonSound.stop();
}

} // namespace
