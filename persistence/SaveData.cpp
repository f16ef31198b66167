// The save file: 25 values in 23 lines of text in the classic "C" locale.
#include "persistence/SaveData.hpp"

#include "app/Settings.hpp"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <locale>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

int (*syncFileToDisk)(int fd) = ::fsync;

namespace {

// fsync wants a descriptor; a read-only one serves for files and folders alike.
// A file system that cannot sync at all (EINVAL, ENOTSUP) counts as synced: what
// was written there is as safe as it will ever be.
bool syncToDisk(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = syncFileToDisk(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return synced;
}

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

// The file a chain of symbolic links ends at, existing or not. Saving replaces that
// file, so the links keep pointing at the save.
std::filesystem::path followLinks(std::filesystem::path path) {
    std::error_code error;
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(path, error); hop++) {
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error)
            break;
        path = path.parent_path() / link; // an absolute link replaces the whole path
    }
    return path;
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
    stream.open(savePath, std::ios::in);
    if (stream.is_open()) {
        stream.close();
        load();
    } else {
        stream.clear();
        save();
    }
}

bool SaveData::load() {
    stream.open(savePath, std::ios::in);
    if (!stream.is_open()) {
        stream.clear();
        return false;
    }
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
    stream.close();
    stream.clear();
    playerColor = sf::Color(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                            static_cast<std::uint8_t>(blue), 255);

    // The next save rewrites the file from what was read, and every value after the
    // one that failed would be gone for good: the file is kept aside as it was.
    if (damaged) {
        const std::string copyPath = savePath + ".damaged";
        const bool kept = writeSafely(copyPath, asItWas.str());
        std::cerr << savePath << ": " << valueNames[valuesRead] << " on line " << lineOf(valuesRead)
                  << (endedEarly ? " is missing, the file ends before it" : " could not be read")
                  << (kept ? "; the file as it was is kept in " : "; no copy of it could be written to ")
                  << copyPath << '\n';
    }
    return true;
}

float* SaveData::bestTimeOf(std::int32_t difficulty) {
    float* const kept[] = {&bestTimeAverage, &bestTimeHard, &bestTimeHell};
    return difficulty >= 1 && difficulty <= 3 ? kept[difficulty - 1] : nullptr;
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
    return writeSafely(savePath, record.str());
}

bool SaveData::writeSafely(const std::string& path, const std::string& text) {
    // Through a link, the file it points at is replaced, so the link keeps pointing at it.
    const std::filesystem::path target = followLinks(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);

    // A file the player has write-protected stays as it is, as it would if it were
    // written in place; the rename alone would replace it.
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT)
        return false;

    // The text goes to a file beside the target first and replaces it by a rename,
    // so a full disk or a crash mid-write never leaves a half-written file. Where no
    // file can be made beside it (a read-only folder) it is written in place, as it
    // always was there, or it would never be saved again.
    const std::string tempPath = target.string() + ".tmp";
    stream.open(tempPath, std::ios::out | std::ios::trunc);
    const bool inPlace = !stream.is_open();
    if (inPlace) {
        stream.clear();
        stream.open(target, std::ios::out | std::ios::trunc);
    }
    if (!stream.is_open()) {
        stream.clear();
        return false;
    }
    stream << text;
    stream.flush();
    bool written = !stream.fail();
    stream.close();
    written = written && !stream.fail();
    stream.clear();
    if (inPlace)
        return written && syncToDisk(target);

    // The new file takes the old one's permissions (a private save stays private).
    if (existed)
        ::chmod(tempPath.c_str(), old.st_mode & 07777);
    if (!written || !syncToDisk(tempPath) || std::rename(tempPath.c_str(), target.c_str()) != 0) {
        std::remove(tempPath.c_str());
        return false;
    }
    syncToDisk(folder.string()); // makes the rename itself durable
    return true;
}
