// Opens the game's real window the way the game does, at 1920 x 1080 so that one
// window pixel is one unit of the screen-space view.
#pragma once

#include "platform/Input.hpp"

#include <SFML/Audio/SoundBuffer.hpp>

void openTestScreen();

// Loads the game's own catalogue, once per process, from the paths the game reads: the
// tests run in a folder whose Assets/ is the repository's.
void loadGameAssets();

// A buffer of silence that keeps a sound Playing for the given seconds.
sf::SoundBuffer silence(float seconds);

// Hands the devices to a script for the life of the object.
struct ScriptedInput {
    input::Script script;
    ScriptedInput() { input::useScript(&script); }
    ~ScriptedInput() { input::useScript(nullptr); }
};
