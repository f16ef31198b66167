// The player's own controls: which keys and pad buttons each action answers to
// (input::bindings), the stick's dead zone and the pause on a lost focus, their
// rules of binding, and the text file beside the save that keeps them.
#pragma once

#include "platform/Input.hpp"

#include <SFML/Window/Keyboard.hpp>
#include <string>
#include <vector>

namespace game {
extern bool pauseOnFocusLoss; // a run waits in the pause menu while the window has no focus; off at first
} // namespace game

namespace controls {

// How the file and the screen name an action: "up", "left", "down", "right",
// "confirm", "back", "pause".
const char* actionName(input::Command action);
// A pad button's name: "A", "B", "X", "Y", "LB", "RB", "View", "Start", "Guide",
// "LS", "RS", then "Button11" and on; "none" for none.
std::string buttonName(unsigned button);

// Cancels a wait for a key: it is never bound from the screen.
constexpr sf::Keyboard::Key cancelKey = sf::Keyboard::Key::Escape;
// Cancels a wait for a pad button, likewise.
constexpr unsigned cancelButton = input::pad::View;

// Puts the key into one of the action's two slots (0 or 1). A key that another slot
// of the same kind holds moves to where the new one was, so nothing is stolen: the
// kinds are the run's keys (the four directions and pause) and the menus' keys
// (confirm and back). False, and nothing changes, when confirm or back would be
// left without a key.
bool bindKey(input::Bindings& bindings, input::Command action, int slot, sf::Keyboard::Key key);
// The same for the pad button of confirm, back or pause, which make one kind.
void bindButton(input::Bindings& bindings, input::Command action, unsigned button);

// Today's controls and settings.
void restoreDefaults();

// The file's text for these controls.
std::string write(const input::Bindings& bindings, bool pauseOnFocusLoss);
// Reads a file's text over the defaults. Every line it cannot take leaves its action
// or setting at the default and adds one complaint; a file without the format line
// is taken as a whole for damaged.
std::vector<std::string> read(const std::string& text, input::Bindings& bindings, bool& pauseOnFocusLoss);

// The controls file that goes with a save file: controls.txt in the same folder;
// "" when nothing is saved.
std::string pathBeside(const std::string& savePath);

// Reads the file into input::bindings and game::pauseOnFocusLoss. A missing file
// leaves the defaults; a damaged one is said on standard error and copied as it was
// to path + ".damaged" before anything overwrites it.
void load(const std::string& path);
// Writes them durably; false when the file could not be written.
bool save(const std::string& path);

} // namespace controls
