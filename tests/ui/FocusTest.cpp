// The focus of players without a mouse on the real screens, driven frame by frame
// through the keys and a pad.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "screens/DifficultyScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/SettingsScreen.hpp"
#include "screens/SkinScreen.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

TEST(FocusedScreens, TheFocusWalksEveryScreenAndActsAsTheMouseAndEscapeDo) {
    ScreenDriver driver;
    // One character a frame: d the Down key, e Enter, D the d-pad down, l the d-pad
    // left, R the stick right, a A, b B, m the mouse moving, '.' nothing.
    const auto show = [&](char c) {
        driver.script.keys.assign(c == 'd' || c == 'e', c == 'd' ? sf::Keyboard::Key::Down : compat::enterKey);
        driver.script.pad = {true, {c == 'R' ? 60.0f : 0, 0}, {c == 'l' ? -100.0f : 0, c == 'D' ? 100.0f : 0},
                             std::vector<unsigned>(c == 'a' || c == 'b', c == 'a' ? input::pad::A : input::pad::B)};
        driver.script.mouse.x += c == 'm' ? 10 : 0;
    };
    const int clicked = game::saveData.buttonsClicked, maxFps = game::maxFps, showFps = game::showFps;
    // Runs the screen on the frames, then idle ones, from the same Max FPS; returns how many frames it ran.
    const auto play = [&](void (*screen)(), const std::string& frames) {
        driver.script.framesEnded = 0, driver.maxFrames = int(frames.size()) + 5, game::maxFps = maxFps;
        driver.step = [&](int ended) { show(ended < int(frames.size()) ? frames[ended] : '.'); };
        input::useScript(&driver.script); // nothing held yet
        show(frames[0]), game::frameClock.restart(), screen();
        return driver.script.framesEnded + 1;
    };
    static const sf::SoundBuffer nothing;
    game::buttonSound.setBuffer(nothing); // never playing: every press counts
    // The screen, its frames, how many it runs, the change of the Max FPS slider.
    const std::tuple<const char*, void (*)(), std::string, int, int> cases[] = {
        {"B leaves the stats screen", statsScreen, "b", 1, 0},
        {"B leaves the skin screen", skinScreen, "b", 1, 0},
        {"the main menu ignores B; its fifth button is \"Quit Game\"", mainMenu, "b.d.D.d.R.d.a", 13, 0},
        {"the difficulty screen ignores B; A acts once a press, after the guard", difficultyScreen,
         "b.R" + std::string(20, 'a') + ".e", 25, 0},
        {"A on the locked \"DIE\" opens the notice with \"OK\" focused", difficultyScreen, "R.d.d.d......a.a.d.a", 20, 0},
        {"B leaves the settings; right steps the slider, and held from 0.4 s on every 0.05 s", settingsScreen,
         "d.d" + std::string(56, 'R') + "b", 60, 12},
        // After the mouse moved, the first right only shows the focus again; held, it
        // runs 0.4 s later. A held left flips the toggle once.
        {"the mouse hides the focus", settingsScreen, "d.d.m" + std::string(57, 'R') + "l.d.lll.b", 71, 10}};
    for (const auto& [what, screen, frames, ran, fpsChange] : cases) {
        EXPECT_EQ(play(screen, frames), ran) << what;
        EXPECT_EQ(game::maxFps - maxFps, fpsChange) << what;
    }
    EXPECT_EQ(game::saveData.buttonsClicked, clicked + 6); // "Quit Game", "Average" three times, "DIE" and "OK"
    EXPECT_NE(int(game::showFps), showFps);
    game::appRunning = true, game::showFps = showFps != 0;
}
