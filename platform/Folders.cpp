// Where the game's files are. A copy of the repository or an unpacked archive is
// played from its own folder and keeps its save there; an installed game reads its
// assets from where it was installed and keeps the save in the player's own folders.
#include "platform/Folders.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Assets/ with the five folders of the catalogue; a stray Assets/ folder of some
// other program in the working directory does not count.
bool holdsCatalogue(const std::string& folder) {
    std::error_code error;
    for (const char* kind : {"Fonts", "Textures", "Sounds", "Music", "Shaders"})
        if (!fs::is_directory(fs::u8path(folder.empty() ? "." : folder) / "Assets" / kind, error))
            return false;
    return true;
}

#ifdef _WIN32

fs::path executableFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0)
            return {};
        if (length < name.size())
            return fs::path(name.substr(0, length)).parent_path();
        name.resize(name.size() * 2);
    }
}

// The installer leaves its uninstaller beside the executable; an unzipped copy has
// none. An installed game is started in its own folder, which is not the player's to
// write: it is its only place.
std::vector<AssetPlace> placesOf(const fs::path& exeFolder) {
    std::error_code error;
    if (fs::exists(exeFolder / "Uninstall.exe", error))
        return {{exeFolder.u8string(), true}};
    return {{"", false}, {exeFolder.u8string(), false}};
}

std::string userDataFolder() {
    PWSTR roaming = nullptr;
    std::string folder;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming) == S_OK)
        folder = (fs::path(roaming) / "Vizovid").u8string();
    CoTaskMemFree(roaming);
    return folder;
}

#else

fs::path executableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : exe.parent_path();
}

// Installed under any prefix: <prefix>/bin/vizovid reads <prefix>/share/vizovid,
// so a package relocated elsewhere still finds its data.
std::vector<AssetPlace> placesOf(const fs::path& exeFolder) {
    const fs::path relocated = (exeFolder / VIZOVID_BIN_TO_DATADIR / "vizovid").lexically_normal();
    std::vector<AssetPlace> places{{"", false}, {exeFolder.string(), false}, {relocated.string(), true}};
    if (relocated != fs::path(VIZOVID_INSTALL_DATADIR "/vizovid"))
        places.push_back({VIZOVID_INSTALL_DATADIR "/vizovid", true});
    return places;
}

std::string userDataFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "";
    }
    return xdgDataFolder(std::getenv("XDG_DATA_HOME"), home);
}

#endif

} // namespace

std::vector<AssetPlace> assetPlaces() {
    const fs::path exeFolder = executableFolder();
    if (exeFolder.empty())
        return {{"", false}};
    return placesOf(exeFolder);
}

std::string xdgDataFolder(const char* xdgDataHome, const std::string& home) {
    // XDG wants an absolute path, which there begins with a slash.
    if (xdgDataHome && xdgDataHome[0] == '/')
        return std::string(xdgDataHome) + "/vizovid";
    return home + "/.local/share/vizovid";
}

GameFolders findGameFolders(const std::vector<AssetPlace>& places, const std::string& userDataFolder) {
    GameFolders folders;
    for (const AssetPlace& place : places) {
        std::error_code error;
        const fs::path folder = place.folder.empty() ? fs::current_path(error) : fs::u8path(place.folder);
        folders.placesLooked.push_back((folder / "Assets").u8string());
        if (!holdsCatalogue(place.folder))
            continue;
        folders.found = true;
        folders.assetRoot = place.folder;
        if (place.installed)
            folders.savePath = userDataFolder + "/Data/save.zn";
        else
            folders.savePath = place.folder.empty() ? "Data/save.zn" : place.folder + "/Data/save.zn";
        break;
    }
    return folders;
}

GameFolders findGameFolders() {
    return findGameFolders(assetPlaces(), userDataFolder());
}
