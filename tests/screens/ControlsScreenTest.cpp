// The controls screen, driven frame by frame with the keyboard alone, the mouse and
// a pad alone: a binding chosen and taken, a wait given up by either cancel or by
// its time limit, the lock-out refused, the defaults restored, and the file written.
#include "app/Controls.hpp"
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "screens/ControlsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

using input::Command;
using Key = sf::Keyboard::Key;

namespace {

// What the devices report during one frame of the screen.
struct Step {
    std::vector<Key> keys;
    std::vector<unsigned> buttons; // held on the pad
    sf::Vector2f dpad;             // as SFML gives it: -100, 0 or 100, up negative
    bool click = false;
    float x = 1800, y = 1000;      // nothing of the screen lies here
};

Step keys(std::vector<Key> held) { return Step{held, {}, {}}; }
Step button(unsigned held) { return Step{{}, {held}, {}}; }
Step click(float x, float y) { return Step{{}, {}, {}, true, x, y}; }
const Step none{};
const Step padDown{{}, {}, {0, 100}};

std::string keysOf(const input::Bindings& bindings) {
    std::string text;
    for (int a = 0; a < input::commandCount; a++) {
        for (Key key : bindings.keys[a])
            text += (key == Key::Unknown ? std::string("none") : compat::keyName(key)) + " ";
        text.back() = '|';
    }
    text.pop_back();
    return text;
}

std::string controlsFile() {
    std::ostringstream text;
    text << std::ifstream(controls::pathBeside(game::folders.savePath)).rdbuf();
    return text.str();
}

struct ControlsScreen : ::testing::Test {
    ScreenDriver driver;

    void SetUp() override {
        driver.script.frameStep = sf::milliseconds(250);
        std::remove(controls::pathBeside(game::folders.savePath).c_str());
    }
    void TearDown() override {
        controls::restoreDefaults();
        std::remove(controls::pathBeside(game::folders.savePath).c_str());
    }

    void show(const Step& step) {
        driver.script.keys = step.keys;
        driver.script.pad = {true, {}, step.dpad, step.buttons};
        driver.script.mouse = sf::Vector2i(int(step.x), int(step.y));
        driver.script.leftButton = step.click;
    }

    // Runs the screen over the steps, then idle frames; returns the frame it left on
    // (counted from 1), which it leaves before ending.
    int run(const std::vector<Step>& steps) {
        const int start = driver.script.framesEnded;
        driver.maxFrames = start + int(steps.size()) + 40;
        driver.step = [&](int ended) {
            const std::size_t done = std::size_t(ended - start);
            show(done < steps.size() ? steps[done] : none);
        };
        input::useScript(&driver.script);
        show(steps[0]);
        game::frameClock.restart();
        controlsScreen(false);
        driver.step = nullptr;
        return driver.script.framesEnded - start + 1;
    }
};

std::vector<Step> stepsOf(std::initializer_list<std::pair<Step, int>> parts) {
    std::vector<Step> steps;
    for (const auto& [step, count] : parts)
        steps.insert(steps.end(), std::size_t(count), step);
    return steps;
}

} // namespace

// Each row leaves with back's key (or the pad's B) on its last frame.
TEST_F(ControlsScreen, ABindingIsChosenAndTakenWithEveryDeviceAndAWaitCanBeGivenUp) {
    const Step escape = keys({Key::Escape});
    const Step down = keys({Key::Down});
    struct Row {
        const char* name;
        std::vector<Step> steps;
        std::string keys;
        unsigned padConfirm;
    };
    const std::string defaults = "W Up|A Left|S Down|D Right|Enter Space|Escape none|Escape none";
    const Row rows[] = {
        {"keys alone: to up's first key, Enter, then I",
         stepsOf({{down, 1}, {none, 1}, {down, 1}, {none, 1}, {keys({Key::Enter}), 2}, {none, 1},
                  {keys({Key::I}), 2}, {none, 1}, {escape, 1}}),
         "I Up|A Left|S Down|D Right|Enter Space|Escape none|Escape none", 0},
        {"the mouse on left's second key, then K", stepsOf({{click(980, 335), 1}, {none, 1}, {keys({Key::K}), 1},
                                                            {none, 1}, {escape, 1}}),
         "W Up|A K|S Down|D Right|Enter Space|Escape none|Escape none", 0},
        {"a key of another action: swapped", stepsOf({{click(740, 240), 1}, {none, 1}, {keys({Key::D}), 1},
                                                      {none, 1}, {escape, 1}}),
         "D Up|A Left|S Down|W Right|Enter Space|Escape none|Escape none", 0},
        {"Escape gives up the wait, and leaves only once let go and pressed again",
         stepsOf({{click(740, 240), 1}, {none, 1}, {escape, 2}, {none, 1}, {escape, 1}}), defaults, 0},
        {"five seconds without a key give it up", stepsOf({{click(740, 240), 1}, {none, 21}, {escape, 1}}), defaults,
         0},
        {"a pad alone: to confirm's button, A, then X, and B leaves",
         stepsOf({{padDown, 1}, {none, 1}, {padDown, 1}, {none, 1}, {padDown, 1}, {none, 1}, {padDown, 1}, {none, 1},
                  {button(input::pad::A), 1}, {none, 1}, {button(2), 1}, {none, 1}, {button(input::pad::B), 1}}),
         defaults, 2},
        {"the pad's View gives up the wait", stepsOf({{click(1680, 240), 1}, {none, 1}, {button(input::pad::View), 1},
                                                      {none, 1}, {escape, 1}}),
         defaults, 0},
    };
    for (const Row& row : rows) {
        controls::restoreDefaults();
        EXPECT_EQ(run(row.steps), int(row.steps.size())) << row.name;
        EXPECT_EQ(keysOf(input::bindings), row.keys) << row.name;
        EXPECT_EQ(input::bindings.buttons[int(Command::Confirm)], row.padConfirm) << row.name;
        // Every wait ends with the file written: it keeps what the screen shows.
        EXPECT_EQ(controlsFile(), controls::write(input::bindings, game::pauseOnFocusLoss)) << row.name;
    }
}

// Back's empty key would take confirm's only one: refused, nothing changes. Then
// "Restore defaults" brings back every first control, the file with them.
TEST_F(ControlsScreen, NoBindingLeavesAMenuWithoutAKeyAndTheDefaultsComeBack) {
    input::bindings.keys[int(Command::Confirm)][1] = Key::Unknown;
    controls::bindKey(input::bindings, Command::Up, 0, Key::I);
    input::bindings.deadZone = 60;
    game::pauseOnFocusLoss = true;
    const std::string before = keysOf(input::bindings);
    EXPECT_EQ(run(stepsOf({{click(980, 810), 1}, {none, 1}, {keys({Key::Enter}), 1}, {none, 1}, {keys({Key::Escape}), 1}})),
              5);
    EXPECT_EQ(keysOf(input::bindings), before);

    EXPECT_EQ(run(stepsOf({{click(1660, 810), 1}, {none, 1}, {keys({Key::Escape}), 1}})), 3);
    EXPECT_EQ(keysOf(input::bindings), "W Up|A Left|S Down|D Right|Enter Space|Escape none|Escape none");
    EXPECT_EQ(input::bindings.deadZone, 25);
    EXPECT_FALSE(game::pauseOnFocusLoss);
    EXPECT_EQ(controlsFile(), controls::write(input::Bindings(), false));
}
