// Where the game finds its Assets/ and where it keeps the save: beside a portable
// copy, or in the player's data folder for an installed game.
#include "platform/Folders.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A folder with an Assets/ of its own, holding the catalogue or only a stray Fonts/.
std::string withAssets(const fs::path& folder, bool catalogue) {
    for (const char* kind : {"Fonts", "Textures", "Sounds", "Music", "Shaders"})
        if (catalogue || kind[0] == 'F')
            fs::create_directories(folder / "Assets" / kind);
    return folder.string();
}

TEST(GameFolders, TheFirstPlaceWithTheCatalogueGivesTheAssetsAndTheSave) {
    const fs::path top = fs::temp_directory_path() / "vizovid-folders";
    fs::remove_all(top);
    const std::string portable = withAssets(top / "portable", true);
    const std::string installed = withAssets(top / "share", true);
    const std::string stray = withAssets(top / "stray", false);
    const std::string empty = (top / "empty").string();
    withAssets(top / "work", true);
    const fs::path oldFolder = fs::current_path();
    fs::current_path(top / "work");
    const AssetPlace here{"", false};

    struct Row {
        const char* name;
        std::vector<AssetPlace> places;
        std::string assetRoot, savePath;
    };
    const Row rows[] = {
        {"a portable copy run from its own folder", {here}, "", "Data/save.zn"},
        {"a portable copy run from elsewhere", {{empty, false}, {portable, false}}, portable,
         portable + "/Data/save.zn"},
        {"installed", {{installed, true}}, installed, "/data/Data/save.zn"},
        {"a stray Assets/ is passed over", {{stray, false}, {installed, true}}, installed, "/data/Data/save.zn"},
        {"nowhere: nothing is saved", {{empty, false}, {stray, true}}, "", ""},
    };
    for (const Row& row : rows) {
        const GameFolders folders = findGameFolders(row.places, "/data");
        EXPECT_EQ(folders.found, !row.savePath.empty()) << row.name;
        EXPECT_EQ(folders.assetRoot, row.assetRoot) << row.name;
        EXPECT_EQ(folders.savePath, row.savePath) << row.name;
    }

    fs::current_path(oldFolder);
    fs::remove_all(top);
}

TEST(GameFolders, AnInstalledGameOnLinuxSavesInTheXdgDataFolder) {
    const struct {
        const char* name;
        const char* xdgDataHome;
        std::string folder;
    } rows[] = {
        {"XDG_DATA_HOME set", "/xdg", "/xdg/vizovid"},
        {"XDG_DATA_HOME unset", nullptr, "/home/p/.local/share/vizovid"},
        {"XDG_DATA_HOME not absolute", "xdg", "/home/p/.local/share/vizovid"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(xdgDataFolder(row.xdgDataHome, "/home/p"), row.folder) << row.name;
}

} // namespace
