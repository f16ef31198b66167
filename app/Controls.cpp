// The controls' rules and their file. The file is text, one line a setting, every
// key and button by its name, so that it reads the same whatever SFML wrote it:
//
//   vizovid controls 1
//   up W Up
//   ...
//   pad-confirm A
//   dead-zone 25
//   pause-on-focus-loss off
#include "app/Controls.hpp"

#include "persistence/DurableFile.hpp"
#include "platform/SfmlCompat.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace game {
bool pauseOnFocusLoss = false;
}

namespace controls {

namespace {

using input::Command;
using Key = sf::Keyboard::Key;

const char* const formatLine = "vizovid controls 1";
const char* const actionNames[input::commandCount] = {"up", "left", "down", "right", "confirm", "back", "pause"};
const char* const buttonNames[] = {"A", "B", "X", "Y", "LB", "RB", "View", "Start", "Guide", "LS", "RS"};
constexpr std::int32_t minDeadZone = 10, maxDeadZone = 90;
const std::string unknownName = "no setting is named ";

bool menuKind(Command action) {
    return action == Command::Confirm || action == Command::Back;
}

bool hasPadButton(Command action) {
    return input::Bindings().buttons[int(action)] != input::pad::none;
}

// Confirm and back always have a key: without them no menu could be left or used.
bool canLeaveMenus(const input::Bindings& bindings) {
    for (Command action : {Command::Confirm, Command::Back}) {
        const Key* keys = bindings.keys[int(action)];
        if (keys[0] == Key::Unknown && keys[1] == Key::Unknown)
            return false;
    }
    return true;
}

std::string keyText(Key key) {
    return key == Key::Unknown ? "none" : compat::keyName(key);
}

unsigned buttonNamed(const std::string& name) {
    for (unsigned button = 0; button < input::pad::none; button++)
        if (buttonName(button) == name)
            return button;
    return input::pad::none;
}

// One line of the file, read over the bindings: "" when taken, else why not.
std::string readLine(const std::string& name, std::istringstream& values, input::Bindings& bindings,
                     bool& pauseOnFocusLoss) {
    std::string first, second, extra;
    values >> first >> second;
    const bool pair = !second.empty() && !(values >> extra);
    const bool single = !first.empty() && second.empty();
    for (int a = 0; a < input::commandCount; a++) {
        if (name == actionNames[a]) {
            const Key keys[2] = {compat::keyNamed(first), compat::keyNamed(second)};
            if (!pair)
                return "two key names are due (none for no key)";
            for (int slot = 0; slot < 2; slot++)
                if (keys[slot] == Key::Unknown && (slot ? second : first) != "none")
                    return "no key is named " + (slot ? second : first);
            bindings.keys[a][0] = keys[0];
            bindings.keys[a][1] = keys[1];
            return "";
        }
        if (name == std::string("pad-") + actionNames[a] && hasPadButton(Command(a))) {
            const unsigned button = buttonNamed(first);
            if (!single || button == input::pad::none)
                return "no pad button is named " + first;
            bindings.buttons[a] = button;
            return "";
        }
    }
    if (name == "dead-zone") {
        std::int32_t percent = 0;
        std::istringstream number(first);
        if (!single || !(number >> percent) || !number.eof() || percent < minDeadZone || percent > maxDeadZone)
            return "the dead zone is a whole percent from 10 to 90";
        bindings.deadZone = percent;
        return "";
    }
    if (name == "pause-on-focus-loss") {
        if (!single || (first != "on" && first != "off"))
            return "on or off is due";
        pauseOnFocusLoss = first == "on";
        return "";
    }
    return unknownName + name;
}

} // namespace

const char* actionName(Command action) {
    return actionNames[int(action)];
}

std::string buttonName(unsigned button) {
    if (button < sizeof buttonNames / sizeof buttonNames[0])
        return buttonNames[button];
    return button < input::pad::none ? "Button" + std::to_string(button) : "none";
}

bool bindKey(input::Bindings& bindings, Command action, int slot, Key key) {
    const input::Bindings before = bindings;
    Key& chosen = bindings.keys[int(action)][slot];
    for (int other = 0; other < input::commandCount; other++)
        if (menuKind(Command(other)) == menuKind(action))
            for (Key& held : bindings.keys[other])
                if (held == key && &held != &chosen)
                    held = chosen;
    chosen = key;
    if (canLeaveMenus(bindings))
        return true;
    bindings = before;
    return false;
}

void bindButton(input::Bindings& bindings, Command action, unsigned button) {
    unsigned& chosen = bindings.buttons[int(action)];
    for (unsigned& held : bindings.buttons)
        if (held == button && &held != &chosen)
            held = chosen;
    chosen = button;
}

void restoreDefaults() {
    input::bindings = input::Bindings();
    game::pauseOnFocusLoss = false;
}

std::string write(const input::Bindings& bindings, bool pauseOnFocusLoss) {
    std::ostringstream text;
    text << formatLine << '\n';
    for (int a = 0; a < input::commandCount; a++)
        text << actionNames[a] << ' ' << keyText(bindings.keys[a][0]) << ' ' << keyText(bindings.keys[a][1]) << '\n';
    for (int a = 0; a < input::commandCount; a++)
        if (hasPadButton(Command(a)))
            text << "pad-" << actionNames[a] << ' ' << buttonName(bindings.buttons[a]) << '\n';
    text << "dead-zone " << bindings.deadZone << '\n';
    text << "pause-on-focus-loss " << (pauseOnFocusLoss ? "on" : "off") << '\n';
    return text.str();
}

std::vector<std::string> read(const std::string& text, input::Bindings& bindings, bool& pauseOnFocusLoss) {
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    std::istringstream format(line);
    std::string word1, word2;
    int version = 0;
    // A later version may add lines; this one reads those it knows.
    if (!(format >> word1 >> word2 >> version) || word1 != "vizovid" || word2 != "controls" || version < 1)
        return {"line 1: the format line \"" + std::string(formatLine)
                + "\" is missing; every control is back to its default"};
    std::vector<std::string> complaints;
    for (int number = 2; std::getline(lines, line); number++) {
        std::istringstream values(line);
        std::string name;
        if (!(values >> name))
            continue;
        input::Bindings taken = bindings;
        bool focusTaken = pauseOnFocusLoss;
        const std::string why = readLine(name, values, taken, focusTaken);
        // A line that would leave a menu without a key is as damaged as any other.
        if (why.empty() && canLeaveMenus(taken)) {
            bindings = taken;
            pauseOnFocusLoss = focusTaken;
        } else {
            const bool known = why.rfind(unknownName, 0) != 0;
            complaints.push_back("line " + std::to_string(number) + " (" + line + "): "
                                 + (why.empty() ? "confirm and back need a key" : why)
                                 + (known ? "; " + name + " keeps its default" : "; the line is left out"));
        }
    }
    return complaints;
}

std::string pathBeside(const std::string& savePath) {
    if (savePath.empty())
        return "";
    const std::size_t slash = savePath.find_last_of("/\\");
    return (slash == std::string::npos ? "" : savePath.substr(0, slash + 1)) + "controls.txt";
}

void load(const std::string& path) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    if (path.empty() || !file.is_open())
        return; // a first start: the defaults
    std::ostringstream text;
    text << file.rdbuf();
    input::Bindings bindings;
    bool pauseOnFocusLoss = false;
    const std::vector<std::string> complaints = read(text.str(), bindings, pauseOnFocusLoss);
    input::bindings = bindings;
    game::pauseOnFocusLoss = pauseOnFocusLoss;
    if (complaints.empty())
        return;
    // The next change rewrites the file from what was read: what could not be read
    // is kept aside, as the save's is.
    const std::string copyPath = path + ".damaged";
    const bool kept = writeDurably(copyPath, text.str());
    for (const std::string& complaint : complaints)
        std::cerr << path << ": " << complaint
                  << (kept ? " (the file as it was is kept in " : " (no copy of it could be written to ") << copyPath
                  << ")\n";
}

bool save(const std::string& path) {
    return !path.empty() && writeDurably(path, write(input::bindings, game::pauseOnFocusLoss));
}

} // namespace controls
