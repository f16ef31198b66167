// Vizovid: start-up, the screens, and the last save.
#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"
#include "persistence/ReplayFile.hpp"
#include "persistence/SaveData.hpp"
#include "platform/Folders.hpp"
#include "platform/GameRandom.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/ReplayPlayback.hpp"
#include "screens/ReplayScreen.hpp"

#include <algorithm>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The command line: nothing, --replay FILE, or --verify-replay FILE...
bool usable(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return true;
    if (arguments[0] == "--replay")
        return arguments.size() == 2;
    return arguments[0] == "--verify-replay" && arguments.size() >= 2;
}

// Reads a replay named on the command line; says in one line what is wrong with it,
// or that another version made it.
bool readArgument(const std::string& path, Replay& replay) {
    std::string error;
    if (!readReplay(path, replay, error)) {
        std::cerr << "vizovid: " << error << '\n';
        return false;
    }
    if (replay.gameVersion != game::gameVersion)
        std::cerr << "vizovid: " << path << " was recorded by Vizovid " << replay.gameVersion << ", this is "
                  << game::gameVersion << ": it may not play out the same\n";
    return true;
}

// Plays each replay without drawing: 0 when all play out as recorded, 1 when one
// does not, 2 when one cannot be read. Textures are loaded: their sizes decide hits.
int verifyReplays(const std::vector<std::string>& paths) {
    loadAssets();
    // Nothing of the devices is read: a replay's frames are its own. An empty script
    // spares the keyboard's and the mouse's round trips to the display every frame.
    input::Script noDevices;
    input::useScript(&noDevices);
    int status = 0;
    for (const std::string& path : paths) {
        Replay replay;
        if (!readArgument(path, replay)) {
            status = 2;
            continue;
        }
        const std::string difference = verifyReplay(replay);
        if (difference.empty()) {
            std::cout << path << ": ok, " << replay.steps.size() << " frames\n";
        } else {
            std::cout << path << ": " << difference << '\n';
            status = std::max(status, 1);
        }
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!usable(arguments)) {
        std::cerr << "usage: vizovid [--replay FILE | --verify-replay FILE...]\n";
        return 2;
    }
    if (!game::folders.found) {
        std::cerr << "Vizovid cannot start: none of these folders holds its assets:\n";
        for (const std::string& place : game::folders.placesLooked)
            std::cerr << "  " << place << '\n';
        return 1;
    }
    if (!arguments.empty() && arguments[0] == "--verify-replay")
        return verifyReplays({arguments.begin() + 1, arguments.end()});
    // Watching a replay leaves the save as it was: no start is counted, nothing saved.
    const bool watching = !arguments.empty();
    Replay watched;
    if (watching && !readArgument(arguments[1], watched))
        return 2;

    // The save file has been read while the game context was built.
    if (!watching)
        countOnce(game::saveData.timesOpenedGame);
    const sf::Vector2u desktop = compat::desktopSize();
    game::screenWidth = float(desktop.x);
    game::screenHeight = float(desktop.y);
    seedGameRandom(std::uint32_t(std::time(nullptr)));
    applyDisplaySettings(true);
    setUpViews();
    loadAssets();
    if (watching) {
        watchReplay(watched);
        return 0;
    }

    runScreens();

    game::saveData.save();
    return 0;
}
