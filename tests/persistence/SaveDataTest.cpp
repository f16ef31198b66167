// The save file: its exact text, how every kind of damaged file reads, and that a
// failed save never costs the previous one.
#include "app/Settings.hpp"
#include "persistence/DurableFile.hpp"
#include "persistence/SaveData.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// What a first start writes, as the fuzzer's corpus keeps it.
const std::string defaultFile = readFile(VIZOVID_SOURCE_DIR "/tests/fuzz/corpus/first-start.zn");
const std::string playedFile = readFile(VIZOVID_SOURCE_DIR "/tests/fuzz/corpus/played.zn");

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A file that the game would have written, with some lines replaced.
std::string withLines(const std::map<int, std::string>& replaced) {
    std::istringstream lines(defaultFile);
    std::string text, current;
    for (int i = 1; std::getline(lines, current); i++)
        text += (replaced.count(i) ? replaced.at(i) : current) + "\n";
    text.pop_back();
    return text;
}

// Root writes anywhere, so what the player could not do is tried as nobody.
void becomeNobody() {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        std::_Exit(3);
}

// The settings as the game context starts with them.
auto settings() {
    return std::tie(game::antialiasing, game::maxFps, game::vsync, game::showFps, game::fullscreen, game::audioVolume,
                    game::musicVolume);
}
const std::tuple<bool, std::int32_t, bool, bool, bool, std::int32_t, std::int32_t> defaults = settings();

// Each test runs in an empty folder of its own with the settings at their defaults.
class SaveFile : public ::testing::Test {
protected:
    fs::path oldFolder = fs::current_path();
    fs::path folder;

    void SetUp() override {
        char pattern[] = "/tmp/vizovid-save-XXXXXX";
        folder = mkdtemp(pattern);
        fs::current_path(folder);
        resetSettings();
    }
    void TearDown() override {
        fs::current_path(oldFolder);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::permissions(folder / "Data", fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    static void resetSettings() { settings() = defaults; }
};

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
        {"CR LF line breaks", std::regex_replace(spaced, std::regex("\n"), "\r\n"), spaced},
        {"all on one line", std::regex_replace(spaced, std::regex("\n"), " "), spaced},
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
// the values in memory stay either way.
TEST_F(SaveFile, ASaveInTroubleKeepsTheOldFileOrWritesInPlace) {
    static int fsyncError;
    const auto failingFsync = [](int error) {
        return [error] {
            fsyncError = error;
            syncFileToDisk = [](int) {
                errno = fsyncError;
                return -1;
            };
        };
    };
    const struct {
        const char* name;
        std::function<void()> breakIt;
        bool asNobody, saved, oldKept;
    } troubles[] = {
        {"the disk is full", [] { fs::create_symlink("/dev/full", "Data/save.zn.tmp"); }, false, false, true},
        {"the file is write-protected",
         [] { fs::permissions("Data/save.zn", fs::perms(0444)); }, true, false, true},
        {"fsync fails", failingFsync(EIO), false, false, true},
        {"fsync is not supported", failingFsync(ENOTSUP), false, true, false},
        {"a folder stands where the new file goes", [] { fs::create_directory("Data/save.zn.tmp"); }, false, true, false},
        {"the folder is read-only", [] { fs::permissions("Data", fs::perms(0555)); }, true, true, false},
        {"written in place, fsync fails",
         [=] {
             fs::create_directory("Data/save.zn.tmp");
             failingFsync(EIO)();
         },
         false, false, false},
    };
    fs::permissions(folder, fs::perms::all);
    for (const auto& trouble : troubles) {
        SCOPED_TRACE(trouble.name);
        fs::remove_all("Data");
        SaveData save;
        fs::permissions("Data", fs::perms::all);
        fs::permissions("Data/save.zn", fs::perms(0666));
        const std::string old = readFile("Data/save.zn");
        save.timesDied = 6;
        trouble.breakIt();
        if (trouble.asNobody)
            EXPECT_EXIT((becomeNobody(), std::_Exit(save.save() ? 0 : 1)), testing::ExitedWithCode(!trouble.saved), "");
        else
            EXPECT_EQ(save.save(), trouble.saved);
        syncFileToDisk = ::fsync;
        fs::permissions("Data", fs::perms::all);
        fs::remove_all("Data/save.zn.tmp");
        EXPECT_FALSE(fs::is_symlink("Data/save.zn"));
        EXPECT_EQ(readFile("Data/save.zn") == old, trouble.oldKept);
        EXPECT_EQ(save.timesDied, 6);
        EXPECT_TRUE(save.save()); // the next save writes what memory held all along
        EXPECT_EQ(SaveData().timesDied, 6);
    }
}

// Saving keeps what the file was: the links that lead to it and its permissions.
TEST_F(SaveFile, ALinkedSaveIsWrittenThroughAndKeepsItsMode) {
    // The save must end up in the last link's file, made through links that lead
    // nowhere yet; /dev/shm is another file system, which no rename reaches.
    const std::string elsewhere = "/dev/shm/" + folder.filename().string() + ".zn";
    const std::vector<std::vector<std::pair<std::string, std::string>>> chains = {
        {{"Data/save.zn", elsewhere}},
        {{"Data/save.zn", "next.zn"}, {"Data/next.zn", "../real.zn"}},
    };
    for (const auto& links : chains) {
        const fs::path real = fs::path("Data") / links.back().second;
        fs::remove_all("Data");
        fs::create_directory("Data");
        fs::remove(real);
        for (const auto& [link, to] : links)
            fs::create_symlink(to, link);
        SaveData save;
        save.timesDied = 9;
        EXPECT_TRUE(save.save());
        EXPECT_TRUE(fs::is_symlink("Data/save.zn"));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(real)));
        EXPECT_EQ(SaveData().timesDied, 9) << links.size() << " links to " << real;
        fs::remove(elsewhere);
    }
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
        SaveData save;
        fs::permissions("real.zn", mode);
        EXPECT_TRUE(save.save());
        EXPECT_EQ(fs::status("real.zn").permissions(), mode);
    }
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
