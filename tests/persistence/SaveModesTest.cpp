// The save's rules that only POSIX systems have: what root may do, a full disk,
// read-only folders, symbolic links and permission bits. (On Windows a read-only
// folder still takes new files, links are rare, and a file has no mode beyond
// read-only; see the README.)
#include "persistence/SaveData.hpp"
#include "persistence/SaveFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Root writes anywhere, so what the player could not do is tried as nobody, in a
// child process that gives up root's rights.
bool saveAsNobody(SaveData& save) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            std::_Exit(3);
        std::_Exit(save.save() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SaveFile, ASaveInTroubleOnPosixKeepsTheOldFileOrWritesInPlace) {
    fs::permissions(folder, fs::perms::all);
    const SaveTrouble asRoot[] = {
        {"the disk is full", [] { fs::create_symlink("/dev/full", "Data/save.zn.tmp"); }, false, true},
    };
    const SaveTrouble asNobody[] = {
        {"the file is write-protected", [] { fs::permissions("Data/save.zn", fs::perms(0444)); }, false, true},
        {"the folder is read-only", [] { fs::permissions("Data", fs::perms(0555)); }, true, false},
    };
    for (const SaveTrouble& trouble : asRoot)
        checkTrouble(trouble, [](SaveData& save) { return save.save(); });
    for (const SaveTrouble& trouble : asNobody)
        checkTrouble(trouble, saveAsNobody);
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

} // namespace
