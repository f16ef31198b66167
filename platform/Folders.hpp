// Where the game's files are: the folder that holds the asset catalogue's Assets/,
// and the save file that goes with it.
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

// The places tried, in order: the working directory, the executable's folder, the
// data folder of the prefix the executable is installed in, and the data folder of
// the prefix the game was built for.
std::vector<AssetPlace> assetPlaces();

// Picks the first place whose Assets/ holds the catalogue. A portable game keeps
// Data/save.zn beside its Assets/; an installed one in the user's XDG data folder
// (xdgDataHome, or home's .local/share when that is unset or not absolute).
GameFolders findGameFolders(const std::vector<AssetPlace>& places, const char* xdgDataHome, const char* home);

// The same for this process: its places and its environment.
GameFolders findGameFolders();
