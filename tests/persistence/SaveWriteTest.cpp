// Saving keeps what the file was: the link that points at it, its permissions, a
// save in a folder that takes no new files; and the counters stop at the int limit.
#include "persistence/SaveData.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Root writes anywhere, so what the player could not do is tried as nobody.
void becomeNobody() {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        std::_Exit(3);
}

class SaveWrite : public ::testing::Test {
protected:
    fs::path oldFolder = fs::current_path();
    fs::path folder;

    void SetUp() override {
        char pattern[] = "/tmp/vizovid-write-XXXXXX";
        folder = mkdtemp(pattern);
        fs::current_path(folder);
        fs::create_directory("Data");
    }

    void TearDown() override {
        syncFileToDisk = ::fsync;
        fs::current_path(oldFolder);
        fs::permissions(folder / "Data", fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
};

TEST_F(SaveWrite, ALinkIsWrittenThroughToTheFileBehindIt) {
    // The links each case makes, in order; "@" stands for the test's folder. The
    // save must end up in real.zn, with the links still in place.
    const std::vector<std::vector<std::pair<std::string, std::string>>> cases = {
        {{"Data/save.zn", "../real.zn"}},               // relative to the link's folder
        {{"Data/save.zn", "@/real.zn"}},                // absolute
        {{"Data/save.zn", "next.zn"}, {"Data/next.zn", "../real.zn"}}, // a chain
    };
    for (const bool fileBehindExists : {true, false})
        for (const auto& links : cases) {
            fs::remove_all("Data"), fs::remove("real.zn"), fs::create_directory("Data");
            for (const auto& [link, to] : links)
                fs::create_symlink(to[0] == '@' ? folder.string() + to.substr(1) : to, link);
            if (fileBehindExists)
                std::ofstream("real.zn") << "0\n5";
            SaveData save;
            save.timesDied = 9;
            EXPECT_TRUE(save.save());
            EXPECT_TRUE(fs::is_symlink("Data/save.zn"));
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("real.zn")));
            EXPECT_EQ(SaveData().timesDied, 9) << links.size() << " links to " << links.back().second;
        }
}

TEST_F(SaveWrite, TheFileKeepsItsPermissions) {
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
        SaveData save;
        fs::permissions("Data/save.zn", mode);
        EXPECT_TRUE(save.save());
        EXPECT_EQ(fs::status("Data/save.zn").permissions(), mode);
    }
}

TEST_F(SaveWrite, WhereNoNewFileCanBeMadeTheSaveIsWrittenInPlace) {
    const std::function<void()> blockTheNewFile[] = {
        [] { fs::create_directory("Data/save.zn.tmp"), fs::permissions("Data", fs::perms::all); },
        [] { fs::permissions("Data", fs::perms(0555)); }, // a read-only folder
    };
    fs::permissions(folder, fs::perms::all);
    for (const auto& block : blockTheNewFile) {
        SaveData save;
        fs::permissions("Data/save.zn", fs::perms(0666));
        block();
        save.timesDied = 42;
        EXPECT_EXIT((becomeNobody(), std::_Exit(save.save() ? 0 : 1)), ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(SaveData().timesDied, 42);
        fs::permissions("Data", fs::perms::all);
        fs::remove_all("Data/save.zn.tmp");
    }
}

TEST_F(SaveWrite, AFileSystemWithoutFsyncStillSaves) {
    static int fsyncError;
    const std::pair<int, bool> cases[] = {{EINVAL, true}, {ENOTSUP, true}, {EIO, false}};
    for (const auto& [error, saved] : cases) {
        SaveData save;
        fsyncError = error;
        syncFileToDisk = [](int) { return errno = fsyncError, -1; };
        save.timesDied = error;
        EXPECT_EQ(save.save(), saved) << error;
        syncFileToDisk = ::fsync;
        EXPECT_EQ(SaveData().timesDied, saved ? error : 0) << error;
        fs::remove("Data/save.zn");
    }
}

TEST(Counters, StopAtTheIntLimit) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 1}, {-1, 0}, {INT_MAX - 1, INT_MAX}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN + 1}};
    for (const auto& [before, after] : cases) {
        std::int32_t counter = before;
        countOnce(counter);
        EXPECT_EQ(counter, after) << before;
    }
}

} // namespace
