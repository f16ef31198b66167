// Drives a blocking screen function frame by frame through the input seam. Before
// the call, set the script for the first frame; `step` runs at the end of every
// frame (inside the event pump) with the number of frames ended so far and sets
// the script for the next one. A screen still open after maxFrames throws, which
// fails the test instead of hanging it.
#pragma once

#include "support/TestScreen.hpp"

#include <functional>
#include <stdexcept>

struct ScreenDriver : ScriptedInput {
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
    void pointAt(float x, float y) { script.mouse = sf::Vector2i(int(x), int(y)); }
    void press(float x, float y) {
        pointAt(x, y);
        script.leftButton = true;
    }
    void release() { script.leftButton = false; }
    void hold(sf::Keyboard::Key key) { script.keys = {key}; }
    void releaseKeys() { script.keys.clear(); }
};
