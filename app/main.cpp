// Vizovid: start-up, the screens, and the last save.
//
// Exit statuses (also in the manual page):
//   0  the game was closed, or every replay verified played out as recorded
//   1  a replay verified did not play out as recorded
//   2  the command line is not one the game takes
//   3  a replay named on the command line cannot be read
//   4  the game cannot run here: its assets are nowhere to be found, or there is
//      no display to open (verifying needs one too, for the textures' sizes)
#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/Folders.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/ScreenFlow.hpp"
#include "app/SfmlCompat.hpp"
#include "persistence/ReplayFile.hpp"
#include "persistence/SaveData.hpp"
#include "replay/Replay.hpp"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

enum Status { Played = 0, Departed = 1, Usage = 2, Unreadable = 3, CannotRun = 4 };

// The command line: nothing, --replay FILE, or --verify-replay FILE...
bool usable(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return true;
    if (arguments[0] == "--replay")
        return arguments.size() == 2;
    return arguments[0] == "--verify-replay" && arguments.size() >= 2;
}

// Reads a replay named on the command line; says in one line what is wrong with it,
// or that it may not play out the same here.
bool readArgument(const std::string& path, Replay& replay) {
    std::string error;
    if (!readReplay(path, replay, error)) {
        std::cerr << "vizovid: " << error << '\n';
        return false;
    }
    const std::string elsewhere = replay::madeElsewhere(replay);
    if (!elsewhere.empty())
        std::cerr << "vizovid: " << path << ": " << elsewhere << ": it may not play out the same\n";
    return true;
}

// Plays each replay without drawing or sound; the worst outcome is the status.
// Textures are loaded for the first replay that reads: their sizes decide hits.
int verifyReplays(const std::vector<std::string>& paths) {
    bool loaded = false;
    // Nothing of the devices is read: a replay's frames are its own. An empty script
    // spares the keyboard's and the mouse's round trips to the display every frame.
    input::Script noDevices;
    input::useScript(&noDevices);
    int status = Played;
    for (const std::string& path : paths) {
        Replay replay;
        if (!readArgument(path, replay)) {
            status = Unreadable;
            continue;
        }
        if (!loaded)
            loadAssets();
        loaded = true;
        const std::string difference = replay::verify(replay);
        if (difference.empty()) {
            std::cout << path << ": ok, " << replay.steps.size() << " frames\n";
        } else {
            std::cout << path << ": " << difference << '\n';
            status = std::max<int>(status, Departed);
        }
    }
    return status;
}

// The name a replay named on the command line is shown by.
std::string titleOf(const std::string& path) {
    return "Replay: " + std::filesystem::path(path).filename().string();
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!usable(arguments)) {
        std::cerr << "usage: vizovid [--replay FILE | --verify-replay FILE...]\n";
        return Usage;
    }
    if (!game::folders.found) {
        std::cerr << "Vizovid cannot start: none of these folders holds its assets:\n";
        for (const std::string& place : game::folders.placesLooked)
            std::cerr << "  " << place << '\n';
        return CannotRun;
    }
    if (!arguments.empty() && arguments[0] == "--verify-replay")
        return verifyReplays({arguments.begin() + 1, arguments.end()});
    // Watching a replay leaves the save as it was: no start is counted, nothing saved.
    const bool watching = !arguments.empty();
    Replay watched;
    if (watching && !readArgument(arguments[1], watched))
        return Unreadable;

    // The save file has been read while the game context was built.
    if (!watching)
        countOnce(game::saveData.timesOpenedGame);
    const sf::Vector2u desktop = compat::desktopSize();
    game::screenWidth = float(desktop.x);
    game::screenHeight = float(desktop.y);
    std::srand(unsigned(std::time(nullptr)));
    applyDisplaySettings(true);
    setUpViews();
    loadAssets();
    if (watching) {
        replay::watch(watched, titleOf(arguments[1]));
        return Played;
    }

    runScreens();

    replay::saveWithBestRuns();
    return Played;
}
