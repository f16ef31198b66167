// The devices and the clock, either SFML's or a test's script.
#include "app/Input.hpp"

#include <algorithm>

namespace input {

namespace {

Script* script = nullptr;
sf::Clock realClock;   // runs from the program's start
sf::Time realOffset;   // keeps time continuous when a script hands the clock back
sf::Time scriptedTime; // the clock while a script drives it

sf::Time now() {
    return script ? scriptedTime : realClock.getElapsedTime() + realOffset;
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
    script = newScript;
    if (script)
        scriptedTime = current;
    else
        realOffset = current - realClock.getElapsedTime();
}

void endFrame() {
    if (!script)
        return;
    scriptedTime += script->frameStep;
    script->framesEnded++;
    if (script->onFrameEnd)
        script->onFrameEnd();
}

} // namespace input
