// The focus of players without a mouse: how the ring moves over a screen's widgets
// and what left and right do to a slider or a toggle; then on the real screens, how
// B, Enter and A act there.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "screens/DifficultyScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/SkinScreen.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Slider.hpp"
#include "ui/Toggle.hpp"

#include <gtest/gtest.h>
#include <string>

namespace {

using Key = sf::Keyboard::Key;

// One character a frame: u, d, l and r the arrow keys, '.' nothing held.
std::vector<Key> keysOf(char c) {
    const char names[] = "udlr";
    const Key keys[] = {Key::Up, Key::Down, Key::Left, Key::Right};
    for (int i = 0; i < 4; i++)
        if (c == names[i])
            return {keys[i]};
    return {};
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
        int flips;
    };
    const Row rows[] = {
        {"nothing pressed: no focus", ".", -1, 50, 0},
        {"the first press only shows the focus, on the first widget", "d", 0, 50, 0},
        {"Down moves on in reading order", "d.d", 1, 50, 0},
        {"Up moves back", "d.d.d.u", 1, 50, 0},
        {"Up from the first widget wraps to the last", "d.u", 3, 50, 0},
        {"Down from the last widget wraps to the first", "d.u.d", 0, 50, 0},
        {"Right moves on from a button", "d.r", 1, 50, 0},
        {"Left moves back from a button, wrapping", "d.l", 3, 50, 0},
        {"Right and Left step a slider once a press", "d.d.r.r.r.l", 1, 52, 0},
        {"a held Right steps again from 0.4 s on, every 0.05 s", "d.d" + held('r', 30), 1, 53, 0},
        {"a held Left runs down the same way", "d.d" + held('l', 60), 1, 37, 0},
        {"a step stops at the top of a slider's range", "d.d" + held('r', 240), 1, 100, 0},
        {"a step stops at the bottom of a slider's range", "d.d" + held('l', 240), 1, 0, 0},
        {"a held Left flips a toggle only once", "d.d.d" + held('l', 60), 2, 50, 1},
        {"Right flips it once a press", "d.d.d.r.r", 2, 50, 2},
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
        for (char c : row.keys) {
            input.script.keys = keysOf(c);
            ring.update();
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
    }
}

// On the real screens: d the Down key, e Enter, D the d-pad down, R the stick right,
// a A, b B, m the mouse moving, '.' nothing.
TEST(FocusedScreens, BLeavesWhereEscapeDoesAndAActsOncePerPress) {
    ScreenDriver driver;
    const auto show = [&](char c) {
        driver.script.keys.assign(c == 'd' || c == 'e', c == 'd' ? Key::Down : compat::enterKey);
        const std::vector<unsigned> buttons(c == 'a' || c == 'b', c == 'a' ? input::pad::A : input::pad::B);
        driver.script.pad = {true, {c == 'R' ? 60.0f : 0, 0}, {0, c == 'D' ? 100.0f : 0}, buttons};
        driver.script.mouse.x += c == 'm' ? 10 : 0;
    };
    // Runs the screen on the frames, then idle ones; returns how many frames it ran.
    const auto play = [&](void (*screen)(), const std::string& frames) {
        driver.script.framesEnded = 0;
        driver.maxFrames = int(frames.size()) + 5;
        driver.step = [&](int ended) { show(ended < int(frames.size()) ? frames[ended] : '.'); };
        input::useScript(&driver.script); // nothing held yet
        show(frames[0]);
        game::frameClock.restart();
        screen();
        return driver.script.framesEnded + 1;
    };
    static const sf::SoundBuffer nothing;
    game::buttonSound.setBuffer(nothing); // never playing: every press counts
    const int clicked = game::saveData.buttonsClicked;
    struct Row {
        const char* name;
        void (*screen)();
        std::string frames;
        int framesRun;
    };
    const Row rows[] = {
        {"B leaves the stats screen", statsScreen, "b", 1},
        {"B leaves the skin screen", skinScreen, "b", 1},
        {"the main menu ignores B; its fifth button is \"Quit Game\"", mainMenu, "b.d.D.d.R.d.a", 13},
        {"the difficulty screen ignores B; A acts once a press, after the guard", difficultyScreen,
         "b.R" + std::string(20, 'a') + ".e", 25},
        {"the mouse hides the focus: the next Down only shows it", mainMenu, "d.m.d.d.d.d.d.e", 15},
    };
    for (const Row& row : rows)
        EXPECT_EQ(play(row.screen, row.frames), row.framesRun) << row.name;
    // "Quit Game" twice, and "Average" twice
    EXPECT_EQ(game::saveData.buttonsClicked, clicked + 4);
    game::appRunning = true;
}

} // namespace
