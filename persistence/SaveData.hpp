// The save record: skin, lifetime statistics, best times and unlock flags, kept in
// one file together with the seven settings of the game context. The game's file is
// the one app/Folders chooses (Data/save.zn beside a portable copy's Assets/).
#pragma once

#include <SFML/Graphics/Color.hpp>
#include <cstdint>
#include <string>

struct SaveData {
    sf::Color playerColor = sf::Color(255, 0, 0, 255); // the skin; alpha always 255
    float timeSpentDodging = 0;           // seconds of every run frame outside the boss fight
    float timeSpentDodgingDieSentry = 0;  // seconds of every boss-fight frame
    std::int32_t timesOpenedGame = 0;
    float distanceTravelled = 0;          // arena units of keyboard steps, walls or not
    float bestTimeAverage = 0;            // seconds
    float bestTimeHard = 0;
    float bestTimeHell = 0;
    std::int32_t timesBeatenDieSentry = 0;
    std::int32_t timesDied = 0;
    std::int32_t timesHitByProjectile = 0;
    std::int32_t buttonsClicked = 0;      // presses that started the button sound
    bool bossFightUnlocked = false;       // set for good by a good enough death
    std::int32_t timesAttemptedDieSentry = 0;
    bool rgbSkinUnlocked = false;         // set for good by beating the boss
    bool rgbSkinEnabled = false;
    std::string savePath = "Data/save.zn"; // "" saves nothing; the game passes app/Folders' choice

    // Reads the save file, or writes one with the defaults when there is none.
    SaveData();
    // The same with the save file at path; with "" it reads and writes nothing.
    explicit SaveData(const std::string& path);

    // Reads as many of the 25 values as the file holds, stopping at the first that
    // cannot be read; the rest keep their values. False when the file cannot be opened.
    // A file that stops early is copied whole to savePath + ".damaged" first, since the
    // next save overwrites what could not be read.
    bool load();

    // Replaces the file with the record and the settings (see writeDurably); false
    // when it could not be.
    bool save();

    // The best time kept for a game::Difficulty: Average, Hard or HELL; nullptr for
    // the boss fight, which keeps none.
    float* bestTimeOf(std::int32_t difficulty);
};

// Adds one to a lifetime counter. A counter at the int limit, as an edited or old
// save may hold it, stays there instead of wrapping round to negative.
void countOnce(std::int32_t& counter);
