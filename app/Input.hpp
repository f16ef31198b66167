// The one door through which the game reads the keyboard, the mouse, the gamepads,
// the window's focus and the passing of time. In the game every call asks SFML; a
// test can hand it a script instead and drive a real screen frame by frame.
#pragma once

#include <SFML/Graphics.hpp>
#include <cstdint>
#include <ctime>
#include <functional>
#include <vector>

namespace input {

// The left button and Escape read as released while they are left over from the
// screen before (see beginScreen); every other key reads as it is.
bool keyHeld(sf::Keyboard::Key key);
bool leftButtonHeld();

// Called as a screen opens and as it returns to the screen that opened it. A left
// button, Escape or command held now that was already seen held began on the screen
// before: it reads as released here until it has been let go once, so that one click
// never acts on two screens. A press nobody has seen yet began this very moment and
// belongs to the screen now showing.
void beginScreen();

// Declared first in every screen function: beginScreen() as the screen opens and
// again as it returns, whichever way it returns.
struct ScreenScope {
    ScreenScope() { beginScreen(); }
    ~ScreenScope() { beginScreen(); }
    ScreenScope(const ScreenScope&) = delete;
    ScreenScope& operator=(const ScreenScope&) = delete;
};

// What the keys and the pads ask of the menus and the run, besides the mouse: the
// arrow keys or a pad's d-pad or left stick, A (or Enter or Space), B and Start.
enum class Command { Up, Left, Down, Right, Confirm, Back, Pause };

// Held now and, like Escape, not left over from the screen before.
bool commandHeld(Command command);

// Escape or a pad's B: what leaves the settings, skin and stats screens.
bool backHeld();

// One of the four directions on a pad: its left stick pushed past a quarter of its
// travel, or its d-pad. The run moves the player with it as with W, A, S and D.
bool padHeld(Command direction);

// True from the moment a pad connected at the end of the last frame is gone until
// the end of this frame.
bool padLost();

// Everything a run frame reads of the devices, but the pause request: a replay
// records it and plays it back in its place.
struct RunInput {
    bool padLost = false; // a pad dropped out: the frame pauses instead of moving
    bool focus = true;    // the window has the focus; without it the player stands
    bool up = false;      // W, the Up arrow, or a pad's up; likewise the other three
    bool left = false;
    bool down = false;
    bool right = false;
};
RunInput readRunInput(const sf::Window& window);

// Pad buttons as Linux numbers those of an Xbox-style pad (and Steam Input's).
namespace pad {
constexpr unsigned A = 0;
constexpr unsigned B = 1;
constexpr unsigned Start = 7; // the menu button of newer pads
} // namespace pad

sf::Vector2i mousePixel(const sf::Window& window); // relative to the window's top-left
bool hasFocus(const sf::Window& window);

// The mouse point in the coordinates of the window's current view.
sf::Vector2f mousePoint(const sf::RenderWindow& window);

// Seconds since the epoch, as time(): the bomb sentries reseed rand() with it.
// Under a script it is the script's fixed calendarTime, so a scripted run repeats.
std::time_t calendarTime();

// A seed for a run: the calendar clock's microseconds, folded to 32 bits, so that
// two runs started within a second open differently. Under a script, its calendarTime.
std::uint32_t freshSeed();

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

// A pad as a test makes it report, in the first of the pad slots.
struct ScriptedPad {
    bool connected = false;
    sf::Vector2f stick;             // left stick, -100..100 each way; y grows downward
    sf::Vector2f dpad;              // PovX and PovY as SFML gives them on Linux: -100, 0 or 100, up negative
    std::vector<unsigned> buttons;  // held buttons, numbered as in input::pad
    unsigned buttonCount = 11;      // buttons the device has; a pad has Start's number and more
    bool hasStick = true;           // the device has an X and a Y axis
};

// What a test makes the devices report. The event pump calls endFrame() once at the
// end of every frame: it looks at the left button, Escape, the commands and the pads
// (so a release between two reads is never missed), then the script's clock
// advances by frameStep and onFrameEnd runs, where a test looks at the game and changes the script for the
// next frame.
struct Script {
    sf::Vector2i mouse;                      // pixels, relative to the window
    bool leftButton = false;
    std::vector<sf::Keyboard::Key> keys;     // held keys
    ScriptedPad pad;
    bool focus = true;
    sf::Time frameStep = sf::microseconds(16667);
    std::time_t calendarTime = 0;
    std::function<void()> onFrameEnd;
    int framesEnded = 0;
};

// Hands the devices and the clock to a script; nullptr gives them back to SFML.
// Either way nothing of the new devices has been seen held yet.
void useScript(Script* script);
void endFrame();

} // namespace input
