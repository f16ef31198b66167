// Where the game's files are. A copy of the repository or an unpacked archive is
// played from its own folder and keeps its save there; an installed game reads its
// assets from the system's data folder and keeps the save in the player's home.
#include "platform/Folders.hpp"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Assets/ with the five folders of the catalogue; a stray Assets/ folder of some
// other program in the working directory does not count.
bool holdsCatalogue(const std::string& folder) {
    std::error_code error;
    for (const char* kind : {"Fonts", "Textures", "Sounds", "Music", "Shaders"})
        if (!fs::is_directory(fs::path(folder.empty() ? "." : folder) / "Assets" / kind, error))
            return false;
    return true;
}

std::string userDataFolder(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return xdgDataHome;
    if (!home || !*home) {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "";
    }
    return std::string(home) + "/.local/share";
}

} // namespace

std::vector<AssetPlace> assetPlaces() {
    std::vector<AssetPlace> places{{"", false}};
    std::error_code error;
    const fs::path exeFolder = fs::read_symlink("/proc/self/exe", error).parent_path();
    if (error)
        return places;
    places.push_back({exeFolder.string(), false});
    // Installed under any prefix: <prefix>/bin/vizovid reads <prefix>/share/vizovid,
    // so a package relocated elsewhere still finds its data.
    const fs::path relocated = (exeFolder / VIZOVID_BIN_TO_DATADIR / "vizovid").lexically_normal();
    places.push_back({relocated.string(), true});
    if (relocated != fs::path(VIZOVID_INSTALL_DATADIR "/vizovid"))
        places.push_back({VIZOVID_INSTALL_DATADIR "/vizovid", true});
    return places;
}

GameFolders findGameFolders(const std::vector<AssetPlace>& places, const char* xdgDataHome, const char* home) {
    GameFolders folders;
    for (const AssetPlace& place : places) {
        std::error_code error;
        const fs::path folder = place.folder.empty() ? fs::current_path(error) : fs::path(place.folder);
        folders.placesLooked.push_back((folder / "Assets").string());
        if (!holdsCatalogue(place.folder))
            continue;
        folders.found = true;
        folders.assetRoot = place.folder;
        if (place.installed)
            folders.savePath = userDataFolder(xdgDataHome, home) + "/vizovid/Data/save.zn";
        else
            folders.savePath = place.folder.empty() ? "Data/save.zn" : place.folder + "/Data/save.zn";
        break;
    }
    return folders;
}

GameFolders findGameFolders() {
    return findGameFolders(assetPlaces(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}
