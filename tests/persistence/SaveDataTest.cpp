// The save file: its exact text, how every kind of damaged file reads, and that a
// failed save never costs the previous one.
#include "app/Settings.hpp"
#include "persistence/SaveData.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const defaultFile =
    "0\n0\n0\n255 0 0\n0\n240\n1\n0\n0\n50\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n50\n0";

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Each test runs in an empty folder of its own with the settings at their defaults.
class SaveFile : public ::testing::Test {
protected:
    fs::path oldFolder = fs::current_path();
    fs::path folder;

    void SetUp() override {
        char pattern[] = "/tmp/vizovid-save-XXXXXX";
        folder = mkdtemp(pattern);
        fs::current_path(folder);
        game::antialiasing = false;
        game::maxFps = 240;
        game::vsync = true;
        game::showFps = false;
        game::fullscreen = false;
        game::audioVolume = 50;
        game::musicVolume = 50;
    }

    void TearDown() override {
        fs::current_path(oldFolder);
        fs::permissions(folder / "Data", fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    // A file that the game would have written, with some lines replaced.
    static std::string withLines(const std::map<int, std::string>& replaced) {
        std::istringstream lines(defaultFile);
        std::string text, current;
        for (int i = 1; std::getline(lines, current); i++)
            text += (replaced.count(i) ? replaced.at(i) : current) + "\n";
        text.pop_back();
        return text;
    }
};

TEST_F(SaveFile, FirstStartWritesTheDefaultsEvenWithoutADataFolder) {
    SaveData save;
    EXPECT_EQ(readFile("Data/save.zn"), defaultFile);
    EXPECT_EQ(save.playerColor, sf::Color(255, 0, 0, 255));
    EXPECT_FALSE(fs::exists("Data/save.zn.tmp"));
}

TEST_F(SaveFile, EveryFieldSurvivesARoundTrip) {
    {
        SaveData save;
        save.playerColor = sf::Color(12, 34, 56);
        save.timeSpentDodging = 101.5f;
        save.timeSpentDodgingDieSentry = 202.25f;
        save.timesOpenedGame = 3;
        save.distanceTravelled = 40000.5f;
        save.bestTimeAverage = 61.5f;
        save.bestTimeHard = 150.25f;
        save.bestTimeHell = 75.125f;
        save.timesBeatenDieSentry = 4;
        save.timesDied = 55;
        save.timesHitByProjectile = -6;
        save.buttonsClicked = 777;
        save.bossFightUnlocked = true;
        save.timesAttemptedDieSentry = 8;
        save.rgbSkinUnlocked = true;
        save.rgbSkinEnabled = true;
        game::antialiasing = true;
        game::maxFps = 144;
        game::vsync = false;
        game::showFps = true;
        game::fullscreen = true;
        game::audioVolume = 10;
        game::musicVolume = 90;
        ASSERT_TRUE(save.save());
    }
    game::antialiasing = false, game::maxFps = 0, game::vsync = true, game::showFps = false;
    game::fullscreen = false, game::audioVolume = 0, game::musicVolume = 0;

    SaveData save;
    EXPECT_EQ(save.playerColor, sf::Color(12, 34, 56, 255));
    EXPECT_EQ(save.timeSpentDodging, 101.5f);
    EXPECT_EQ(save.timeSpentDodgingDieSentry, 202.25f);
    EXPECT_EQ(save.timesOpenedGame, 3);
    EXPECT_EQ(save.distanceTravelled, 40000.5f);
    EXPECT_EQ(save.bestTimeAverage, 61.5f);
    EXPECT_EQ(save.bestTimeHard, 150.25f);
    EXPECT_EQ(save.bestTimeHell, 75.125f);
    EXPECT_EQ(save.timesBeatenDieSentry, 4);
    EXPECT_EQ(save.timesDied, 55);
    EXPECT_EQ(save.timesHitByProjectile, -6);
    EXPECT_EQ(save.buttonsClicked, 777);
    EXPECT_TRUE(save.bossFightUnlocked);
    EXPECT_EQ(save.timesAttemptedDieSentry, 8);
    EXPECT_TRUE(save.rgbSkinUnlocked);
    EXPECT_TRUE(save.rgbSkinEnabled);
    EXPECT_TRUE(game::antialiasing);
    EXPECT_EQ(game::maxFps, 144);
    EXPECT_FALSE(game::vsync);
    EXPECT_TRUE(game::showFps);
    EXPECT_TRUE(game::fullscreen);
    EXPECT_EQ(game::audioVolume, 10);
    EXPECT_EQ(game::musicVolume, 90);
}

TEST_F(SaveFile, FloatsAreWrittenWithSixSignificantDigits) {
    SaveData save;
    save.timeSpentDodging = 1234567.8f;
    save.distanceTravelled = 1234.5678f;
    save.bestTimeHard = 150.25f;
    save.bestTimeHell = 0.00001f;
    ASSERT_TRUE(save.save());
    std::istringstream lines(readFile("Data/save.zn"));
    std::string line[14];
    for (std::string& each : line)
        std::getline(lines, each);
    EXPECT_EQ(line[0], "1.23457e+06");
    EXPECT_EQ(line[2], "1234.57");
    EXPECT_EQ(line[11], "150.25");
    EXPECT_EQ(line[12], "1e-05");

    SaveData reread;
    EXPECT_EQ(reread.timeSpentDodging, 1234570.0f);
}

TEST_F(SaveFile, TheColourKeepsTheLowEightBitsOfEachChannel) {
    fs::create_directory("Data");
    writeFile("Data/save.zn", withLines({{4, "300 -1 0"}}));
    SaveData save;
    EXPECT_EQ(save.playerColor, sf::Color(44, 255, 0, 255));
}

TEST_F(SaveFile, ReadingStopsAtTheFirstValueThatCannotBeRead) {
    fs::create_directory("Data");

    // A bool other than 0 or 1 reads as true; what follows keeps its default.
    writeFile("Data/save.zn", withLines({{14, "2"}, {15, "1"}, {17, "4"}, {22, "9"}, {23, "7"}}));
    {
        SaveData save;
        EXPECT_TRUE(save.bossFightUnlocked);
        EXPECT_FALSE(save.rgbSkinUnlocked);
        EXPECT_EQ(save.timesDied, 0);
        EXPECT_EQ(save.timeSpentDodgingDieSentry, 0.0f);
        EXPECT_EQ(game::musicVolume, 50);
    }

    // A word where a number is due reads as 0; the next line is not read.
    writeFile("Data/save.zn", withLines({{6, "fast"}, {7, "0"}}));
    {
        SaveData save;
        EXPECT_EQ(game::maxFps, 0);
        EXPECT_TRUE(game::vsync);
    }

    // An int out of range reads as its nearest limit.
    game::maxFps = 240;
    writeFile("Data/save.zn", withLines({{2, "99999999999"}}));
    EXPECT_EQ(SaveData().timesOpenedGame, INT_MAX);
    writeFile("Data/save.zn", withLines({{2, "-99999999999"}, {4, "1 2 3"}}));
    {
        SaveData save;
        EXPECT_EQ(save.timesOpenedGame, INT_MIN);
        // The colour comes after the failed value: it stays the red of construction.
        EXPECT_EQ(save.playerColor, sf::Color(255, 0, 0, 255));
    }
}

TEST_F(SaveFile, AShortFileKeepsTheDefaultsOfWhatIsMissing) {
    fs::create_directory("Data");
    std::string text = withLines({{21, "9"}});
    text.erase(text.rfind("\n50\n0")); // lines 22 and 23
    game::musicVolume = 50;
    writeFile("Data/save.zn", text);
    SaveData save;
    EXPECT_EQ(save.buttonsClicked, 9);
    EXPECT_EQ(game::musicVolume, 50);
    EXPECT_EQ(save.timeSpentDodgingDieSentry, 0.0f);

    // Ending within the first four lines leaves the colour defined: red.
    writeFile("Data/save.zn", "5\n2\n");
    SaveData early;
    EXPECT_EQ(early.timesOpenedGame, 2);
    EXPECT_EQ(early.playerColor, sf::Color(255, 0, 0, 255));
}

TEST_F(SaveFile, LineBreaksAndSpacingDoNotMatter) {
    fs::create_directory("Data");
    const std::string gameFile = withLines({{4, "1 2 3"}, {6, "144"}, {21, "33"}, {22, "70"}, {23, "2.5"}});
    std::string crlf, oneLine, tabs;
    for (char c : gameFile) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        oneLine += c == '\n' ? ' ' : c;
        tabs += c == '\n' ? std::string("\t \n\n") : std::string(1, c);
    }
    for (const std::string& text : {gameFile, crlf, oneLine, tabs}) {
        writeFile("Data/save.zn", text);
        SaveData save;
        EXPECT_EQ(save.playerColor, sf::Color(1, 2, 3, 255));
        EXPECT_EQ(game::maxFps, 144);
        EXPECT_EQ(save.buttonsClicked, 33);
        EXPECT_EQ(game::musicVolume, 70);
        EXPECT_EQ(save.timeSpentDodgingDieSentry, 2.5f);
    }
}

TEST_F(SaveFile, SavingAgainWithoutAChangeGivesTheSameBytes) {
    SaveData save;
    save.timeSpentDodging = 1234.5678f;
    save.playerColor = sf::Color(1, 2, 3);
    ASSERT_TRUE(save.save());
    const std::string first = readFile("Data/save.zn");
    ASSERT_TRUE(save.save());
    EXPECT_EQ(readFile("Data/save.zn"), first);

    // A file read back and saved again is unchanged too.
    SaveData reread;
    ASSERT_TRUE(reread.save());
    EXPECT_EQ(readFile("Data/save.zn"), first);
}

TEST_F(SaveFile, AFailedSaveKeepsTheOldFileWhole) {
    SaveData save;
    save.timesDied = 5;
    ASSERT_TRUE(save.save());
    const std::string good = readFile("Data/save.zn");
    save.timesDied = 6;

    // The disk is full: every write fails.
    fs::create_symlink("/dev/full", "Data/save.zn.tmp");
    EXPECT_FALSE(save.save());
    EXPECT_EQ(readFile("Data/save.zn"), good);
    EXPECT_FALSE(fs::is_symlink("Data/save.zn"));
    fs::remove("Data/save.zn.tmp");

    // The values in memory stay, and the next save writes them.
    EXPECT_EQ(save.timesDied, 6);
    EXPECT_TRUE(save.save());
    EXPECT_EQ(SaveData().timesDied, 6);
}

TEST_F(SaveFile, AWriteProtectedSaveStaysAsItIs) {
    SaveData save;
    const std::string protectedFile = readFile("Data/save.zn");
    // The folder is open to all; only the file itself is protected. Root writes
    // anywhere, so the save is tried as nobody.
    fs::permissions(folder, fs::perms::all);
    fs::permissions("Data", fs::perms::all);
    fs::permissions("Data/save.zn", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    save.timesDied = 77;
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                std::_Exit(3);
            std::_Exit(save.save() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readFile("Data/save.zn"), protectedFile);
    EXPECT_FALSE(fs::exists("Data/save.zn.tmp"));
}

} // namespace
