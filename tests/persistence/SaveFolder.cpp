// The save tests' folder and their check of a save in trouble.
#include "persistence/SaveFolder.hpp"

#include "persistence/DurableFile.hpp"

#include <chrono>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const auto defaults = std::tuple<bool, std::int32_t, bool, bool, bool, std::int32_t, std::int32_t>(settings());

} // namespace

std::string readFile(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void SaveFile::SetUp() {
    folder = fs::temp_directory_path() / ("vizovid-save-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directory(folder);
    fs::current_path(folder);
    resetSettings();
}

void SaveFile::TearDown() {
    fs::current_path(oldFolder);
    std::error_code error;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
    fs::permissions(folder / "Data", fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(folder);
}

void SaveFile::resetSettings() {
    settings() = defaults;
}

void checkTrouble(const SaveTrouble& trouble, const std::function<bool(SaveData&)>& saveIt) {
    SCOPED_TRACE(trouble.name);
    fs::remove_all("Data");
    SaveData save;
    fs::permissions("Data", fs::perms::all);
    fs::permissions("Data/save.zn", fs::perms(0666));
    const std::string old = readFile("Data/save.zn");
    save.timesDied = 6;
    trouble.breakIt();
    EXPECT_EQ(saveIt(save), trouble.saved);
    syncFileToDisk = files::syncFile;
    fs::permissions("Data", fs::perms::all);
    fs::permissions("Data/save.zn", fs::perms(0666));
    fs::remove_all("Data/save.zn.tmp");
    EXPECT_FALSE(fs::is_symlink("Data/save.zn"));
    EXPECT_EQ(readFile("Data/save.zn") == old, trouble.oldKept);
    EXPECT_EQ(save.timesDied, 6);
    EXPECT_TRUE(save.save()); // the next save writes what memory held all along
    EXPECT_EQ(SaveData().timesDied, 6);
}
