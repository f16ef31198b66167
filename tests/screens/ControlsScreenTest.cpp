// The controls screen, driven frame by frame with the keyboard alone, the mouse and
// a pad alone: a binding chosen and taken, a wait given up by either cancel or by
// its time limit, and the defaults restored.
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

Frame key(Key held) {
    Frame frame;
    frame.keys = {held};
    return frame;
}
Frame button(unsigned held) {
    Frame frame;
    frame.buttons = {held};
    return frame;
}

// Each frame, let go of on the next.
std::vector<Frame> taps(const std::vector<Frame>& pressed) {
    std::vector<Frame> frames;
    for (const Frame& frame : pressed)
        frames.insert(frames.end(), {frame, idle});
    frames.pop_back();
    return frames;
}

} // namespace

// Each row starts with up on I and Up, and leaves with back's key (or the pad's B)
// on its last frame. Opened by the mouse,
// the focus shows at the first arrow.
TEST(ControlsScreen, ABindingIsChosenAndTakenWithEveryDeviceAndAWaitCanBeGivenUp) {
    ScreenDriver driver;
    driver.script.frameStep = sf::milliseconds(250);
    Frame padDown;
    padDown.dpad = {0, 100};
    const struct {
        std::vector<Frame> frames;
        const char* lines; // in the controls afterwards
    } rows[] = {
        // the keys alone: to up's first key, Enter, then J
        {taps({key(Key::Down), key(Key::Down), key(Key::Enter), key(Key::J), escape}), "up J Up\n"},
        // the mouse on left's second key, then K
        {taps({press(980, 335), key(Key::K), escape}), "left A K\n"},
        // five seconds without a key give up the wait (K then binds nothing), then Escape
        // does; leaving takes Escape let go and pressed again
        {framesOf({{press(740, 240), 1}, {idle, 21}, {key(Key::K), 1}, {idle, 1}, {press(740, 240), 1}, {idle, 1},
                   {escape, 2}, {idle, 1}, {escape, 1}}),
         "up I Up\n"},
        // a pad alone: to confirm's button, A, then X, and B leaves
        {taps({padDown, padDown, padDown, padDown, button(input::pad::A), button(2), button(input::pad::B)}),
         "pad-confirm X\n"},
        // the pad's View gives up the wait
        {taps({press(1680, 240), button(input::pad::View), escape}), "pad-confirm A\n"},
        // "Restore defaults"
        {taps({press(1660, 810), escape}), "up W Up\n"},
    };
    for (const auto& row : rows) {
        controls::restoreDefaults();
        controls::bindKey(input::bindings, Command::Up, 0, Key::I);
        EXPECT_EQ(driver.runScreen([] { controlsScreen(false); }, row.frames), int(row.frames.size())) << row.lines;
        EXPECT_NE(controls::write(input::bindings, false).find(row.lines), std::string::npos) << row.lines;
    }
    controls::restoreDefaults();
}
