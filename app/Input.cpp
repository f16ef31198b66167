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

} // namespace

bool keyHeld(sf::Keyboard::Key key) {
    if (script)
        return std::find(script->keys.begin(), script->keys.end(), key) != script->keys.end();
    return sf::Keyboard::isKeyPressed(key);
}

bool leftButtonHeld() {
    return script ? script->leftButton : sf::Mouse::isButtonPressed(sf::Mouse::Left);
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
    if (script)
        t.scriptedTime = current;
    else
        t.realOffset = current - t.realClock.getElapsedTime();
}

void endFrame() {
    if (!script)
        return;
    timeline().scriptedTime += script->frameStep;
    script->framesEnded++;
    if (script->onFrameEnd)
        script->onFrameEnd();
}

} // namespace input
