// The controls screen, driven frame by frame with the keyboard alone, the mouse and
// a pad alone: a binding chosen and taken, a wait given up by either cancel or by
// its time limit, the lock-out refused, the defaults restored, and the file written.
#include "app/Controls.hpp"
#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"
#include "screens/ControlsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

using input::Command;
using Key = sf::Keyboard::Key;

namespace {

Frame keys(std::vector<Key> held) {
    Frame frame;
    frame.keys = held;
    return frame;
}
Frame button(unsigned held) {
    Frame frame;
    frame.buttons = {held};
    return frame;
}
Frame padDown() {
    Frame frame;
    frame.dpad = {0, 100};
    return frame;
}

std::string controlsFile() {
    std::ostringstream text;
    text << std::ifstream(controls::pathBeside(game::folders.savePath)).rdbuf();
    return text.str();
}

void openedByTheMouse() {
    controlsScreen(false);
}

struct ControlsScreen : ::testing::Test {
    ScreenDriver driver;

    void SetUp() override {
        driver.script.frameStep = sf::milliseconds(250);
        std::remove(controls::pathBeside(game::folders.savePath).c_str());
    }
    void TearDown() override { controls::restoreDefaults(); }
};

} // namespace

// Each row starts with up on I and Up, and leaves with back's key (or the pad's B)
// on its last frame; every wait ends with the file written.
TEST_F(ControlsScreen, ABindingIsChosenAndTakenWithEveryDeviceAndAWaitCanBeGivenUp) {
    const Frame down = keys({Key::Down});
    struct Row {
        const char* name;
        std::vector<Frame> frames;
        const char* lines; // in the file afterwards
    };
    const Row rows[] = {
        {"keys alone: to up's first key, Enter, then J",
         framesOf({{down, 1}, {idle, 1}, {down, 1}, {idle, 1}, {keys({Key::Enter}), 2}, {idle, 1},
                  {keys({Key::J}), 2}, {idle, 1}, {escape, 1}}),
         "up J Up\n"},
        {"the mouse on left's second key, then K",
         framesOf({{press(980, 335), 1}, {idle, 1}, {keys({Key::K}), 1}, {idle, 1}, {escape, 1}}), "left A K\n"},
        {"up's key for left: swapped",
         framesOf({{press(740, 335), 1}, {idle, 1}, {keys({Key::I}), 1}, {idle, 1}, {escape, 1}}),
         "up A Up\nleft I Left\n"},
        {"Escape gives up the wait, and leaves only once let go and pressed again",
         framesOf({{press(740, 240), 1}, {idle, 1}, {escape, 2}, {idle, 1}, {escape, 1}}), "up I Up\n"},
        {"five seconds without a key give it up", framesOf({{press(740, 240), 1}, {idle, 21}, {escape, 1}}),
         "up I Up\n"},
        {"a pad alone: to confirm's button, A, then X, and B leaves",
         framesOf({{padDown(), 1}, {idle, 1}, {padDown(), 1}, {idle, 1}, {padDown(), 1}, {idle, 1}, {padDown(), 1},
                   {idle, 1}, {button(input::pad::A), 1}, {idle, 1}, {button(2), 1}, {idle, 1},
                   {button(input::pad::B), 1}}),
         "pad-confirm X\n"},
        {"the pad's View gives up the wait",
         framesOf({{press(1680, 240), 1}, {idle, 1}, {button(input::pad::View), 1}, {idle, 1}, {escape, 1}}),
         "pad-confirm A\n"},
        {"Restore defaults", framesOf({{press(1660, 810), 1}, {idle, 1}, {escape, 1}}), "up W Up\n"},
    };
    for (const Row& row : rows) {
        controls::restoreDefaults();
        controls::bindKey(input::bindings, Command::Up, 0, Key::I);
        EXPECT_EQ(driver.runScreen(openedByTheMouse, row.frames), int(row.frames.size())) << row.name;
        EXPECT_EQ(controlsFile(), controls::write(input::bindings, game::pauseOnFocusLoss)) << row.name;
        EXPECT_NE(controlsFile().find(row.lines), std::string::npos) << row.name << ":\n" << controlsFile();
    }
}
