// The one door through which the game reads the keyboard, the mouse, the window's
// focus and the passing of time. In the game every call asks SFML; a test can hand
// it a script instead and drive a real screen frame by frame.
#pragma once

#include <SFML/Graphics.hpp>
#include <ctime>
#include <functional>
#include <vector>

namespace input {

bool keyHeld(sf::Keyboard::Key key);
bool leftButtonHeld();
sf::Vector2i mousePixel(const sf::Window& window); // relative to the window's top-left
bool hasFocus(const sf::Window& window);

// The mouse point in the coordinates of the window's current view.
sf::Vector2f mousePoint(const sf::RenderWindow& window);

// Seconds since the epoch, as time(): the bomb sentries reseed rand() with it.
// Under a script it is the script's fixed calendarTime, so a scripted run repeats.
std::time_t calendarTime();

// Measures time like sf::Clock, but reads the clock of this module, so that a
// scripted test decides how long each frame lasts.
class Clock {
public:
    Clock();
    sf::Time getElapsedTime() const;
    sf::Time restart();

private:
    sf::Time startTime;
};

// What a test makes the devices report. The event pump calls endFrame() once at the
// end of every frame: the script's clock then advances by frameStep and onFrameEnd
// runs, where a test looks at the game and changes the script for the next frame.
struct Script {
    sf::Vector2i mouse;                      // pixels, relative to the window
    bool leftButton = false;
    std::vector<sf::Keyboard::Key> keys;     // held keys
    bool focus = true;
    sf::Time frameStep = sf::microseconds(16667);
    std::time_t calendarTime = 0;
    std::function<void()> onFrameEnd;
    int framesEnded = 0;
};

// Hands the devices and the clock to a script; nullptr gives them back to SFML.
void useScript(Script* script);
void endFrame();

} // namespace input
