// The devices and the clock, either SFML's or a test's script.
#include "app/Input.hpp"

#include "app/SfmlCompat.hpp"

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace input {

namespace {

Script* script = nullptr;

// Built on first use: the game context's clocks read it while they are built,
// before main(), and this file's own objects may not be built yet then.
struct Timeline {
    sf::Clock realClock;   // runs from the first reading
    sf::Time realOffset;   // keeps time continuous when a script hands the clock back
    sf::Time scriptedTime; // the clock while a script drives it
};

Timeline& timeline() {
    static Timeline instance;
    return instance;
}

sf::Time now() {
    Timeline& t = timeline();
    return script ? t.scriptedTime : t.realClock.getElapsedTime() + t.realOffset;
}

bool deviceKeyHeld(sf::Keyboard::Key key) {
    if (script)
        return std::find(script->keys.begin(), script->keys.end(), key) != script->keys.end();
    return sf::Keyboard::isKeyPressed(key);
}

bool deviceLeftButtonHeld() {
    return script ? script->leftButton : sf::Mouse::isButtonPressed(sf::Mouse::Button::Left);
}

// The pads' state is refreshed by the window's event pump, so a pad plugged in
// while the game runs answers from the next frame on. Only a device with A, B,
// Start and a stick counts: some laptops report their accelerometer as a joystick,
// and it must not steer.
bool padConnected(unsigned id) {
    if (script)
        return id == 0 && script->pad.connected && script->pad.buttonCount > pad::Start && script->pad.hasStick;
    return sf::Joystick::isConnected(id) && sf::Joystick::getButtonCount(id) > pad::Start
           && sf::Joystick::hasAxis(id, sf::Joystick::Axis::X) && sf::Joystick::hasAxis(id, sf::Joystick::Axis::Y);
}

float padAxis(unsigned id, sf::Joystick::Axis axis) {
    if (!script)
        return sf::Joystick::hasAxis(id, axis) ? sf::Joystick::getAxisPosition(id, axis) : 0;
    const ScriptedPad& pad = script->pad;
    switch (axis) {
    case sf::Joystick::Axis::X: return pad.stick.x;
    case sf::Joystick::Axis::Y: return pad.stick.y;
    case sf::Joystick::Axis::PovX: return pad.dpad.x;
    case sf::Joystick::Axis::PovY: return pad.dpad.y;
    default: return 0;
    }
}

// Any connected pad will do: a player who swaps pads need not tell the game.
bool padButtonHeld(unsigned button) {
    for (unsigned id = 0; id < sf::Joystick::Count; id++) {
        if (!padConnected(id))
            continue;
        if (script ? std::count(script->pad.buttons.begin(), script->pad.buttons.end(), button) > 0
                   : sf::Joystick::isButtonPressed(id, button))
            return true;
    }
    return false;
}

unsigned connectedPads() {
    unsigned slots = 0;
    for (unsigned id = 0; id < sf::Joystick::Count; id++)
        if (padConnected(id))
            slots |= 1u << id;
    return slots;
}

// A press of the left button or of Escape as the game last saw it.
struct Press {
    bool seenHeld = false; // held when last looked at
    bool leftOver = false; // held since before the screen now showing opened
};

Press leftPress;
Press escapePress;
constexpr int commandCount = int(Command::Pause) + 1;
Press commandPresses[commandCount]; // by Command
unsigned padsSeen = 0;    // a bit per pad slot connected at the end of the last frame

// A release ends a left-over press; true when held by a press of this screen.
bool look(Press& press, bool held) {
    if (!held)
        press.leftOver = false;
    press.seenHeld = held;
    return held && !press.leftOver;
}

void markLeftOver(Press& press, bool held) {
    press.leftOver = held && press.seenHeld;
    press.seenHeld = held;
}

bool deviceCommandHeld(Command command) {
    static const sf::Keyboard::Key arrows[] = {sf::Keyboard::Key::Up, sf::Keyboard::Key::Left, sf::Keyboard::Key::Down,
                                               sf::Keyboard::Key::Right};
    switch (command) {
    case Command::Confirm:
        return deviceKeyHeld(compat::enterKey) || deviceKeyHeld(sf::Keyboard::Key::Space) || padButtonHeld(pad::A);
    case Command::Back: return padButtonHeld(pad::B);
    case Command::Pause: return padButtonHeld(pad::Start);
    default: return deviceKeyHeld(arrows[int(command)]) || padHeld(command);
    }
}

} // namespace

bool commandHeld(Command command) {
    return look(commandPresses[int(command)], deviceCommandHeld(command));
}

bool backHeld() {
    return keyHeld(sf::Keyboard::Key::Escape) || commandHeld(Command::Back);
}

bool padHeld(Command direction) {
    constexpr float deadZone = 25; // of the 100 each way of a stick's travel
    const bool vertical = direction == Command::Up || direction == Command::Down;
    const float sign = direction == Command::Up || direction == Command::Left ? -1.0f : 1.0f;
    for (unsigned id = 0; id < sf::Joystick::Count; id++) {
        if (!padConnected(id))
            continue;
        const float stick = padAxis(id, vertical ? sf::Joystick::Axis::Y : sf::Joystick::Axis::X);
        const float dpad = padAxis(id, vertical ? sf::Joystick::Axis::PovY : sf::Joystick::Axis::PovX);
        if (sign * stick > deadZone || sign * dpad > deadZone)
            return true;
    }
    return false;
}

bool padLost() {
    return (padsSeen & ~connectedPads()) != 0;
}

namespace {

// A pad's stick or d-pad counts as the keys, so every rule of the keys holds for it.
bool directionHeld(sf::Keyboard::Key a, sf::Keyboard::Key b, Command padDirection) {
    return keyHeld(a) || keyHeld(b) || padHeld(padDirection);
}

} // namespace

RunInput readRunInput(const sf::Window& window) {
    RunInput held;
    held.padLost = padLost();
    held.focus = hasFocus(window);
    held.up = directionHeld(sf::Keyboard::Key::W, sf::Keyboard::Key::Up, Command::Up);
    held.left = directionHeld(sf::Keyboard::Key::A, sf::Keyboard::Key::Left, Command::Left);
    held.down = directionHeld(sf::Keyboard::Key::S, sf::Keyboard::Key::Down, Command::Down);
    held.right = directionHeld(sf::Keyboard::Key::D, sf::Keyboard::Key::Right, Command::Right);
    return held;
}

bool keyHeld(sf::Keyboard::Key key) {
    const bool held = deviceKeyHeld(key);
    return key == sf::Keyboard::Key::Escape ? look(escapePress, held) : held;
}

bool leftButtonHeld() {
    return look(leftPress, deviceLeftButtonHeld());
}

void beginScreen() {
    markLeftOver(leftPress, deviceLeftButtonHeld());
    markLeftOver(escapePress, deviceKeyHeld(sf::Keyboard::Key::Escape));
    for (int c = 0; c < commandCount; c++)
        markLeftOver(commandPresses[c], deviceCommandHeld(Command(c)));
}

sf::Vector2i mousePixel(const sf::Window& window) {
    return script ? script->mouse : sf::Mouse::getPosition(window);
}

bool hasFocus(const sf::Window& window) {
    return script ? script->focus : window.hasFocus();
}

std::time_t calendarTime() {
    return script ? script->calendarTime : std::time(nullptr);
}

std::uint32_t freshSeed() {
    if (script)
        return std::uint32_t(script->calendarTime);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::uint64_t(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    return std::uint32_t(micros ^ (micros >> 32));
}

sf::Vector2f mousePoint(const sf::RenderWindow& window) {
    return window.mapPixelToCoords(mousePixel(window));
}

Clock::Clock() : startTime(now()) {}

sf::Time Clock::getElapsedTime() const {
    return now() - startTime;
}

sf::Time Clock::restart() {
    const sf::Time current = now();
    const sf::Time elapsed = current - startTime;
    startTime = current;
    return elapsed;
}

void useScript(Script* newScript) {
    // Time never jumps at a switch, so clocks started before it stay sound.
    const sf::Time current = now();
    Timeline& t = timeline();
    script = newScript;
    leftPress = Press();
    escapePress = Press();
    for (Press& press : commandPresses)
        press = Press();
    padsSeen = connectedPads(); // a switch is no loss of a pad
    if (script)
        t.scriptedTime = current;
    else
        t.realOffset = current - t.realClock.getElapsedTime();
}

void endFrame() {
    look(leftPress, deviceLeftButtonHeld());
    look(escapePress, deviceKeyHeld(sf::Keyboard::Key::Escape));
    for (int c = 0; c < commandCount; c++)
        look(commandPresses[c], deviceCommandHeld(Command(c)));
    padsSeen = connectedPads();
    if (!script)
        return;
    timeline().scriptedTime += script->frameStep;
    script->framesEnded++;
    if (script->onFrameEnd)
        script->onFrameEnd();
}

} // namespace input
