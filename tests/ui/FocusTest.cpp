// The focus of players without a mouse: how the ring moves over a screen's widgets,
// what left and right do to a slider or a toggle, and what presses a button.
#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"
#include "screens/DifficultyScreen.hpp"
#include "support/ScreenDriver.hpp"
#include "support/TestScreen.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Slider.hpp"
#include "ui/Toggle.hpp"

#include <gtest/gtest.h>
#include <string>

namespace {

using Key = sf::Keyboard::Key;

// One character a frame: u, d, l and r the arrow keys, e Enter, D a pad's d-pad
// down, R its stick right, a its A, m the mouse moving, x Down typed into another
// window, '.' nothing held.
void show(input::Script& script, char c) {
    const char names[] = "udlrex";
    const Key keys[] = {Key::Up, Key::Down, Key::Left, Key::Right, compat::enterKey, Key::Down};
    script.keys.clear();
    script.focus = c != 'x';
    for (int i = 0; i < 6; i++)
        if (c == names[i])
            script.keys.push_back(keys[i]);
    const std::vector<unsigned> buttons(c == 'a', input::pad::A);
    script.pad = {true, {c == 'R' ? 60.0f : 0, 0}, {0, c == 'D' ? 100.0f : 0}, buttons};
    script.mouse.x += c == 'm' ? 10 : 0;
}

// A key held for the given frames of 1/60 s.
std::string held(char key, int frames) {
    return std::string(std::size_t(frames), key);
}

// A button, a slider from 0 to 100 at 50, a toggle and a button, in reading order.
TEST(FocusRing, MovesBothWaysWrapsAndStepsTheFocusedSliderOrToggle) {
    ScriptedInput input;
    openTestScreen();
    game::window.setView(game::hudView);
    game::frameTime = 1.0f / 60.0f;
    struct Row {
        const char* name;
        std::string keys;
        int focused; // -1: none shown
        std::int32_t volume;
        int flips, presses;
    };
    const Row rows[] = {
        {"the first press only shows the focus, on the first widget", "d", 0, 50, 0, 0},
        {"Up from the first widget wraps to the last", "d.u", 3, 50, 0, 0},
        {"Down from the last widget wraps to the first", "d.u.d", 0, 50, 0, 0},
        {"Right moves on from a button", "d.r", 1, 50, 0, 0},
        {"Right and Left step a slider once a press", "d.d.r.r.r.l", 1, 52, 0, 0},
        {"a held Right steps again from 0.4 s on, every 0.05 s", "d.d" + held('r', 30), 1, 53, 0, 0},
        {"a step stops at the top of a slider's range", "d.d" + held('r', 240), 1, 100, 0, 0},
        {"a step stops at the bottom of a slider's range", "d.d" + held('l', 240), 1, 0, 0, 0},
        {"Right flips a toggle; a held Left flips it only once", "d.d.d.r" + held('l', 60), 2, 50, 2, 0},
        {"the stick and the d-pad move it too", "R.D.D", 2, 50, 0, 0},
        {"the mouse moving hides it; the next press only shows it again", "d.d.m.d", 1, 50, 0, 0},
        {"Enter presses the focused button once a press", "d.u.eee.e", 3, 50, 0, 2},
        {"a pad's A presses it too", "d.aaa", 0, 50, 0, 1},
        {"no press before the focus shows", "e", -1, 50, 0, 0},
        {"keys typed into another window move nothing", "x.x", -1, 50, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::int32_t volume = 50;
        bool vsync = false;
        Button first(960, 100, 400, 100, "first", sf::Color::White, 5);
        Slider slider(960, 300, 800, 20, 0, 100, &volume, sf::Color::White, sf::Color::Blue, 6);
        Toggle toggle(960, 500, 100, 100, 10, sf::Color::White, sf::Color::Blue, &vsync);
        Button last(960, 700, 400, 100, "last", sf::Color::White, 5);
        FocusRing ring(first, slider, toggle, last);
        int flips = 0;
        int presses = 0;
        for (char c : row.keys) {
            show(input.script, c);
            ring.update();
            presses += first.focus.pressed + last.focus.pressed;
            slider.update();
            const bool before = vsync;
            toggle.update();
            flips += vsync != before;
        }
        const Focus* focus[] = {&first.focus, &slider.focus, &toggle.focus, &last.focus};
        int focused = -1;
        for (int i = 0; i < 4; i++)
            if (focus[i]->shown)
                focused = i;
        EXPECT_EQ(focused, row.focused);
        EXPECT_EQ(volume, row.volume);
        EXPECT_EQ(flips, row.flips);
        EXPECT_EQ(presses, row.presses);
    }
}

// Reached by the keys, the locked "DIE"'s notice opens with "OK" focused, so A
// closes it at once; Down and A then choose "Average".
TEST(FocusRing, TheNoticeTheKeysOpenedComesWithOkFocused) {
    ScreenDriver driver;
    game::saveData.bossFightUnlocked = false;
    const std::string keys = "R.d.d.d......a.a.d.a";
    driver.step = [&](int ended) { show(driver.script, ended < int(keys.size()) ? keys[std::size_t(ended)] : '.'); };
    show(driver.script, keys[0]);
    game::frameClock.restart();
    difficultyScreen();
    EXPECT_EQ(driver.script.framesEnded + 1, int(keys.size()));
    EXPECT_EQ(game::difficulty, game::Average);
}

} // namespace
