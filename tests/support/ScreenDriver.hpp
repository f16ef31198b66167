// Drives a blocking screen function frame by frame through the input seam. Before
// the call, set the script for the first frame; `step` runs at the end of every
// frame (inside the event pump) with the number of frames ended so far and sets
// the script for the next one. A screen still open after maxFrames throws, which
// fails the test instead of hanging it.
#pragma once

#include "support/TestScreen.hpp"

#include <SFML/Graphics/Image.hpp>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

// What the devices report during one frame of a scripted screen.
struct Frame {
    float x = 1800, y = 1000; // nothing of any screen lies here
    bool pressed = false;
    bool escape = false;
    bool focus = true;
    bool padB = false; // B held on a pad

    // The same frame with Escape held; with another window focused; with a pad's B held.
    Frame withEscape() const { return {x, y, pressed, true, focus, padB}; }
    Frame unfocused() const { return {x, y, pressed, escape, false, padB}; }
    Frame withPadB() const { return {x, y, pressed, escape, focus, true}; }
};

inline Frame press(float x, float y) { return Frame{x, y, true}; }
const Frame idle{};
const Frame escape = idle.withEscape();

// A script of frames: each frame repeated its count of times.
std::vector<Frame> framesOf(std::initializer_list<std::pair<Frame, int>> parts);

// What the window shows now.
sf::Image captureWindow();

// Puts back the flags, the settings and the skin that the screens change, and
// forgets the replays of the runs played, as it goes.
struct KeptGameState {
    std::function<void()> putBack;
    KeptGameState();
    ~KeptGameState();
};

struct ScreenDriver : ScriptedInput, KeptGameState {
    int maxFrames = 600;
    std::function<void(int frame)> step;

    ScreenDriver() {
        openTestScreen();
        script.onFrameEnd = [this] {
            if (script.framesEnded > maxFrames)
                throw std::runtime_error("the screen did not return");
            if (step)
                step(script.framesEnded);
        };
    }

    // Window pixels are screen units: the test window is 1920 x 1080.
    void press(float x, float y) { script.mouse = sf::Vector2i(int(x), int(y)), script.leftButton = true; }
    void release() { script.leftButton = false; }

    void show(const Frame& frame) {
        script.mouse = sf::Vector2i(int(frame.x), int(frame.y));
        script.leftButton = frame.pressed;
        script.keys.clear();
        if (frame.escape)
            script.keys.push_back(sf::Keyboard::Key::Escape);
        script.focus = frame.focus;
        script.pad = {true, {}, {}, std::vector<unsigned>(frame.padB, input::pad::B)};
    }

    // Runs the screen with the frames given, then idle ones; afterFrame(n) looks at
    // the game at the event pump of frame n (from 1). Returns how many frames the
    // screen ran; a screen still open 5 idle frames after the script throws.
    int runScreen(void (*screen)(), const std::vector<Frame>& frames, std::function<void(int)> afterFrame = {});
};
