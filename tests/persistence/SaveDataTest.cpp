// The save file: its exact text, how every kind of damaged file reads, and that a
// failed save never costs the previous one.
#include "persistence/DurableFile.hpp"
#include "persistence/SaveData.hpp"
#include "persistence/SaveFolder.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What a first start writes, as the fuzzer's corpus keeps it.
const std::string defaultFile = readFile(VIZOVID_SOURCE_DIR "/tests/fuzz/corpus/first-start.zn");
const std::string playedFile = readFile(VIZOVID_SOURCE_DIR "/tests/fuzz/corpus/played.zn");

// A file that the game would have written, with some lines replaced.
std::string withLines(const std::map<int, std::string>& replaced) {
    std::istringstream lines(defaultFile);
    std::string text, current;
    for (int i = 1; std::getline(lines, current); i++)
        text += (replaced.count(i) ? replaced.at(i) : current) + "\n";
    text.pop_back();
    return text;
}

// The text with each line break replaced by another.
std::string withBreaks(std::string text, const std::string& lineBreak) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + lineBreak.size()))
        text.replace(at, 1, lineBreak);
    return text;
}

// A distinct value on every line: read and saved again, the file comes back
// unchanged, and so does a float of more than six significant digits once rounded.
TEST_F(SaveFile, FirstStartWritesTheDefaultsAndEveryValueSurvivesARoundTrip) {
    SaveData(); // no Data folder yet
    EXPECT_EQ(readFile("Data/save.zn"), defaultFile);
    EXPECT_FALSE(fs::exists("Data/save.zn.tmp"));

    writeFile("Data/save.zn", playedFile);
    SaveData save;
    EXPECT_EQ(save.playerColor, sf::Color(12, 34, 56, 255));
    EXPECT_EQ(save.bestTimeHard, 150.25f);
    EXPECT_EQ(save.timesHitByProjectile, -6);
    EXPECT_EQ(settings(), std::make_tuple(true, 144, false, true, true, 10, 90));
    ASSERT_TRUE(save.save());
    EXPECT_EQ(readFile("Data/save.zn"), playedFile); // its first value is already rounded
}

// Reading stops at the first value that cannot be read; what follows keeps its
// default. Each file is read, then saved: the save shows every value as read.
TEST_F(SaveFile, DamagedAndReformattedFilesReadAsFarAsTheyCan) {
    const std::string spaced = withLines({{4, "1 2 3"}, {6, "144"}, {21, "33"}, {22, "70"}, {23, "2.5"}});
    const struct {
        const char* name;
        std::string text, read;
    } files[] = {
        {"colour channels keep their low eight bits", withLines({{4, "300 -1 0"}}), withLines({{4, "44 255 0"}})},
        {"a bool of 2 reads as true and stops", withLines({{14, "2"}, {15, "1"}, {17, "4"}, {22, "9"}, {23, "7"}}),
         withLines({{14, "1"}})},
        {"a word reads as 0 and stops", withLines({{6, "fast"}, {7, "0"}}), withLines({{6, "0"}})},
        {"an int too big reads as the limit", withLines({{2, "99999999999"}, {3, "5"}}), withLines({{2, "2147483647"}})},
        {"an older file without the last two lines",
         withLines({{21, "9"}}).substr(0, defaultFile.size() - 5), withLines({{21, "9"}})},
        {"a file ending in its second line", "5\n2\n", withLines({{1, "5"}, {2, "2"}})},
        {"CR LF line breaks", withBreaks(spaced, "\r\n"), spaced},
        {"all on one line", withBreaks(spaced, " "), spaced},
    };
    fs::create_directory("Data");
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        resetSettings();
        writeFile("Data/save.zn", file.text);
        ASSERT_TRUE(SaveData().save());
        EXPECT_EQ(readFile("Data/save.zn"), file.read);
    }
}

// A save in trouble either keeps the old file whole or, where only the temporary
// file cannot be made, is written in place, and then counts only once on the disk;
// the values in memory stay either way. (Troubles that need POSIX's modes, links
// or root's rights are in SaveModesTest.cpp.)
TEST_F(SaveFile, ASaveInTroubleKeepsTheOldFileOrWritesInPlace) {
    static files::Sync syncResult;
    const auto failingSync = [](files::Sync result) {
        return [result] {
            syncResult = result;
            syncFileToDisk = [](const fs::path&) { return syncResult; };
        };
    };
    std::vector<SaveTrouble> troubles = {
        {"the sync fails", failingSync(files::Sync::Failed), false, true},
        {"the file system cannot sync", failingSync(files::Sync::Unsupported), true, false},
        {"a folder stands where the new file goes", [] { fs::create_directory("Data/save.zn.tmp"); }, true, false},
        {"written in place, the sync fails",
         [=] {
             fs::create_directory("Data/save.zn.tmp");
             failingSync(files::Sync::Failed)();
         },
         false, false},
    };
    // Root may write a read-only file on a POSIX system: SaveModesTest.cpp tries that as nobody.
    const auto markReadOnly = [] { fs::permissions("Data/save.zn", fs::perms(0444)); };
    fs::create_directory("Data");
    writeFile("Data/save.zn", "");
    markReadOnly();
    if (!std::ofstream("Data/save.zn", std::ios::app).is_open())
        troubles.push_back({"the file is marked read-only", markReadOnly, false, true});
    fs::permissions("Data/save.zn", fs::perms(0666));
    for (const SaveTrouble& trouble : troubles)
        checkTrouble(trouble, [](SaveData& save) { return save.save(); });
}

// Every save replaces the one before it, the hundredth as the second, also in a
// folder whose name has letters outside ASCII.
TEST_F(SaveFile, EachOfAHundredSavesReplacesTheLastOne) {
    const std::string path = "Zo\xc3\xab/Data/save.zn";
    SaveData save(path);
    for (int i = 1; i <= 100; i++) {
        save.timesDied = i;
        ASSERT_TRUE(save.save()) << "save " << i;
        EXPECT_EQ(SaveData(path).timesDied, i) << "save " << i;
    }
    EXPECT_TRUE(fs::exists(fs::u8path(path)));
    EXPECT_FALSE(fs::exists(fs::u8path(path + ".tmp")));
}

// A file that stops early is copied aside before the next save overwrites it, and
// the player is told once which value stopped the read.
TEST_F(SaveFile, ADamagedFileIsKeptAsItWasAndNamedOnce) {
    const std::string kept = "; the file as it was is kept in Data/save.zn.damaged\n";
    const std::string head = "Data/save.zn: ";
    // The file ("-": none), whether a folder takes the copy's place, and all that stderr says.
    const std::tuple<std::string, bool, std::string> cases[] = {
        {withLines({{13, "inf"}}), false, head + "bestTimeHell on line 13 could not be read" + kept},
        {defaultFile.substr(0, defaultFile.size() - 5), false,
         head + "musicVolume on line 22 is missing, the file ends before it" + kept},
        {"1 2 x", true,
         head + "distanceTravelled on line 3 could not be read; no copy of it could be written to Data/save.zn.damaged\n"},
        {defaultFile, false, ""},
        {"-", false, ""},
    };
    for (const auto& [file, blocked, said] : cases) {
        fs::remove_all("Data");
        fs::create_directories(blocked ? "Data/save.zn.damaged/taken" : "Data");
        writeFile(blocked ? "Data/other" : "Data/save.zn.damaged", "an older copy");
        writeFile(file == "-" ? "Data/other" : "Data/save.zn", file);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(SaveData().save()); // read, then saved over as the main menu does
        EXPECT_EQ(testing::internal::GetCapturedStderr(), said);
        // An older copy is replaced, and only by a damaged file; a failed copy leaves no temporary file.
        EXPECT_EQ(readFile(blocked ? "Data/save.zn.damaged.tmp" : "Data/save.zn.damaged"),
                  blocked ? "" : said.empty() ? "an older copy" : file);
    }
}

TEST(Counters, StopAtTheIntLimit) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 1},
        {-1, 0},
        {INT_MAX - 1, INT_MAX},
        {INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN + 1},
    };
    for (const auto& [before, after] : cases) {
        std::int32_t counter = before;
        countOnce(counter);
        EXPECT_EQ(counter, after) << before;
    }
}

} // namespace
