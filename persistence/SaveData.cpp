// The save file: 25 values in 23 lines of text in the classic "C" locale.
#include "persistence/SaveData.hpp"

#include "app/Difficulty.hpp"
#include "app/Settings.hpp"
#include "persistence/DurableFile.hpp"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>

namespace {

// The 25 values in the order of the file, named for the message about a file that
// stops early.
constexpr int valueCount = 25;
const char* const valueNames[valueCount] = {
    "timeSpentDodging", "timesOpenedGame", "distanceTravelled", "the red of playerColor",
    "the green of playerColor", "the blue of playerColor", "antialiasing", "maxFps", "vsync", "showFps",
    "fullscreen", "audioVolume", "bestTimeAverage", "bestTimeHard", "bestTimeHell", "bossFightUnlocked",
    "rgbSkinUnlocked", "timesBeatenDieSentry", "timesDied", "timesHitByProjectile", "timesAttemptedDieSentry",
    "rgbSkinEnabled", "buttonsClicked", "musicVolume", "timeSpentDodgingDieSentry"};

// The three channels of the colour share line 4.
int lineOf(int value) {
    return value < 3 ? value + 1 : value < 6 ? 4 : value - 1;
}

} // namespace

void countOnce(std::int32_t& counter) {
    if (counter < INT32_MAX)
        counter++;
}

SaveData::SaveData() : SaveData(std::string("Data/save.zn")) {}

SaveData::SaveData(const std::string& path) : savePath(path) {
    if (savePath.empty())
        return; // no folder for a save: nothing is read or written
    if (std::ifstream(std::filesystem::u8path(savePath)).is_open())
        load();
    else
        save();
}

bool SaveData::load() {
    std::ifstream stream(std::filesystem::u8path(savePath), std::ios::binary); // the damaged copy keeps every byte
    if (!stream.is_open())
        return false;
    stream.imbue(std::locale::classic());

    // The channels start from the colour held now, so a read that stops before them
    // leaves the colour as it was.
    int red = playerColor.r, green = playerColor.g, blue = playerColor.b;

    // Once a value fails, the stream refuses every later one and they keep their
    // values: a non-number reads as 0, an int out of range as its nearest limit, and
    // a bool other than 0 or 1 as true. The count of values read whole tells which
    // one stopped the read.
    int valuesRead = 0;
    const auto read = [&](auto&... values) { ((stream >> values && ++valuesRead), ...); };
    read(timeSpentDodging, timesOpenedGame, distanceTravelled, red, green, blue,
         game::antialiasing, game::maxFps, game::vsync, game::showFps, game::fullscreen, game::audioVolume,
         bestTimeAverage, bestTimeHard, bestTimeHell, bossFightUnlocked, rgbSkinUnlocked,
         timesBeatenDieSentry, timesDied, timesHitByProjectile, timesAttemptedDieSentry, rgbSkinEnabled,
         buttonsClicked, game::musicVolume, timeSpentDodgingDieSentry);

    const bool damaged = valuesRead < valueCount;
    const bool endedEarly = stream.eof();
    std::ostringstream asItWas;
    if (damaged) {
        stream.clear();
        stream.seekg(0);
        asItWas << stream.rdbuf();
    }
    playerColor = sf::Color(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                            static_cast<std::uint8_t>(blue), 255);

    // The next save rewrites the file from what was read, and every value after the
    // one that failed would be gone for good: the file is kept aside as it was.
    if (damaged)
        keepDamagedCopy(savePath, asItWas.str(),
                        valueNames[valuesRead] + (" on line " + std::to_string(lineOf(valuesRead)))
                            + (endedEarly ? " is missing, the file ends before it" : " could not be read"));
    return true;
}

float* SaveData::bestTimeOf(std::int32_t difficulty) {
    float* const kept[] = {&bestTimeAverage, &bestTimeHard, &bestTimeHell};
    return difficulty >= game::Average && difficulty <= game::Hell ? kept[difficulty - game::Average] : nullptr;
}

bool SaveData::save() {
    std::ostringstream record;
    record.imbue(std::locale::classic());
    record.precision(6); // floats as printf's %g writes them

    const auto flag = [](bool value) { return value ? 1 : 0; };
    record << timeSpentDodging << '\n'
           << timesOpenedGame << '\n'
           << distanceTravelled << '\n'
           << int(playerColor.r) << ' ' << int(playerColor.g) << ' ' << int(playerColor.b) << '\n'
           << flag(game::antialiasing) << '\n'
           << game::maxFps << '\n'
           << flag(game::vsync) << '\n'
           << flag(game::showFps) << '\n'
           << flag(game::fullscreen) << '\n'
           << game::audioVolume << '\n'
           << bestTimeAverage << '\n'
           << bestTimeHard << '\n'
           << bestTimeHell << '\n'
           << flag(bossFightUnlocked) << '\n'
           << flag(rgbSkinUnlocked) << '\n'
           << timesBeatenDieSentry << '\n'
           << timesDied << '\n'
           << timesHitByProjectile << '\n'
           << timesAttemptedDieSentry << '\n'
           << flag(rgbSkinEnabled) << '\n'
           << buttonsClicked << '\n'
           << game::musicVolume << '\n'
           << timeSpentDodgingDieSentry;
    return writeDurably(savePath, record.str());
}
