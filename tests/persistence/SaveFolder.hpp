// What the save tests share: a folder of their own, the settings at their defaults,
// and the check of a save in trouble.
#pragma once

#include "app/Settings.hpp"
#include "persistence/SaveData.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& text);

// The settings as the game context holds them.
inline auto settings() {
    return std::tie(game::antialiasing, game::maxFps, game::vsync, game::showFps, game::fullscreen, game::audioVolume,
                    game::musicVolume);
}

// Each test runs in an empty folder of its own with the settings at their defaults.
class SaveFile : public ::testing::Test {
protected:
    std::filesystem::path oldFolder = std::filesystem::current_path();
    std::filesystem::path folder;

    void SetUp() override;
    void TearDown() override;
    static void resetSettings();
};

// Something that goes wrong around a save, and what must come of it.
struct SaveTrouble {
    const char* name;
    std::function<void()> breakIt; // done to the folder of a saved game before it saves again
    bool saved;                    // the save counts
    bool oldKept;                  // the file on the disk is still the one before the save
};

// Saves with saveIt after the trouble: the old file is kept whole or the new one
// written, the values in memory stay either way, and the next save writes them.
void checkTrouble(const SaveTrouble& trouble, const std::function<bool(SaveData&)>& saveIt);
