// Where the game's files are: the folder that holds the asset catalogue's Assets/,
// and the save file that goes with it. Paths are UTF-8 strings on every system.
#pragma once

#include <string>
#include <vector>

// One place that may hold Assets/.
struct AssetPlace {
    std::string folder;     // "" for the working directory, else an absolute folder
    bool installed = false; // a data folder of an installed game, not a portable copy
};

struct GameFolders {
    std::vector<std::string> placesLooked; // every folder tried, in order, for the message
    bool found = false;                    // some place holds the catalogue
    std::string assetRoot;                 // the folder holding Assets/; "" for the working directory
    std::string savePath;                  // "" when no place holds the catalogue: nothing is saved
};

// The places tried, in order: the working directory, the executable's folder, and
// where an installed game keeps its assets (on Linux the data folder of the prefix
// the executable is installed in, then of the prefix the game was built for; on
// Windows the executable's folder when the installer put it there).
std::vector<AssetPlace> assetPlaces();

// The player's data folder of an installed game on Linux: xdgDataHome's vizovid/,
// or home's .local/share/vizovid/ when that is unset or not absolute.
std::string xdgDataFolder(const char* xdgDataHome, const std::string& home);

// Picks the first place whose Assets/ holds the catalogue. A portable game keeps
// Data/save.zn beside its Assets/; an installed one in userDataFolder's Data/.
GameFolders findGameFolders(const std::vector<AssetPlace>& places, const std::string& userDataFolder);

// The same for this process: its places, and its user's data folder (on Windows
// the roaming application data's Vizovid\).
GameFolders findGameFolders();
