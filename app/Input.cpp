// The devices and the clock, either SFML's or a test's script.
#include "app/Input.hpp"

#include <algorithm>

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
    return script ? script->leftButton : sf::Mouse::isButtonPressed(sf::Mouse::Left);
}

// A press of the left button or of Escape as the game last saw it.
struct Press {
    bool seenHeld = false; // held when last looked at
    bool leftOver = false; // held since before the screen now showing opened
};

Press leftPress;
Press escapePress;

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

} // namespace

bool keyHeld(sf::Keyboard::Key key) {
    const bool held = deviceKeyHeld(key);
    return key == sf::Keyboard::Escape ? look(escapePress, held) : held;
}

bool leftButtonHeld() {
    return look(leftPress, deviceLeftButtonHeld());
}

void beginScreen() {
    markLeftOver(leftPress, deviceLeftButtonHeld());
    markLeftOver(escapePress, deviceKeyHeld(sf::Keyboard::Escape));
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
    if (script)
        t.scriptedTime = current;
    else
        t.realOffset = current - t.realClock.getElapsedTime();
}

void endFrame() {
    look(leftPress, deviceLeftButtonHeld());
    look(escapePress, deviceKeyHeld(sf::Keyboard::Escape));
    if (!script)
        return;
    timeline().scriptedTime += script->frameStep;
    script->framesEnded++;
    if (script->onFrameEnd)
        script->onFrameEnd();
}

} // namespace input
