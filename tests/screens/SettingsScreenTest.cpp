// The settings screen, driven frame by frame through the seam: when "Apply" acts and
// whether it re-creates the window, the restart after it, the boss-fight layout and
// the focus. Frames last a quarter second, so the one-second guard falls exactly on
// the start of the fifth frame.
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "screens/SettingsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace {

// Centres of the screen's widgets.
const sf::Vector2f back(120, 120);
const sf::Vector2f apply(960, 995);
const sf::Vector2f vsyncBox(1440, 440);
const sf::Vector2f antialiasingBox(600, 640);

class SettingsScreen : public ::testing::Test {
protected:
    ScreenDriver driver;
    sf::SoundBuffer longPress = silence(10.0f);

    // Everything the tests change, to be put back.
    bool showFps = game::showFps, vsync = game::vsync, fullscreen = game::fullscreen,
         antialiasing = game::antialiasing;
    std::int32_t maxFps = game::maxFps, audioVolume = game::audioVolume, musicVolume = game::musicVolume;
    std::int32_t difficulty = game::difficulty;
    std::int32_t clicks = game::saveData.buttonsClicked;

    void SetUp() override {
        game::window.setView(game::hudView);
        game::buttonSound.setBuffer(longPress);
        game::buttonSound.stop();
        // A volume the settings do not hold: only "Apply" brings it to audioVolume.
        game::buttonSound.setVolume(100);
        game::audioVolume = 30;
        game::maxFps = 240;
        game::musicVolume = 50;
        game::difficulty = 1;
        driver.script.frameStep = sf::milliseconds(250);
    }

    void TearDown() override {
        game::buttonSound.stop();
        game::showFps = showFps, game::vsync = vsync, game::fullscreen = fullscreen;
        game::antialiasing = antialiasing, game::maxFps = maxFps;
        game::audioVolume = audioVolume, game::musicVolume = musicVolume;
        game::difficulty = difficulty;
        game::saveData.buttonsClicked = clicks;
        applyDisplaySettings(false);
        game::window.setView(game::hudView);
    }
};

TEST_F(SettingsScreen, VsyncAloneAppliesToTheOpenWindow) {
    const sf::WindowHandle before = game::window.getSystemHandle();
    const bool vsyncBefore = game::vsync;
    // The toggle's first flip comes half a second after the screen opened (frame 3);
    // "Apply" at 1.25 s; the restarted screen is left with one "<".
    const int frames = driver.runScreen(settingsScreen, {press(vsyncBox.x, vsyncBox.y), press(vsyncBox.x, vsyncBox.y),
                                  press(vsyncBox.x, vsyncBox.y), idle, idle, press(apply.x, apply.y), idle,
                                  press(back.x, back.y)});
    EXPECT_EQ(frames, 8);
    EXPECT_EQ(game::vsync, !vsyncBefore);
    EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 30); // "Apply" acted
    EXPECT_EQ(game::window.getSystemHandle(), before);
}

TEST_F(SettingsScreen, AntialiasingFlippedTwiceStillReCreatesTheWindow) {
    const sf::WindowHandle before = game::window.getSystemHandle();
    const bool antialiasingBefore = game::antialiasing;
    std::vector<bool> seen;
    // Held from the start it flips at 0.5 s and 1.0 s, back to where it was.
    const int frames = driver.runScreen(settingsScreen, 
        {press(antialiasingBox.x, antialiasingBox.y), press(antialiasingBox.x, antialiasingBox.y),
         press(antialiasingBox.x, antialiasingBox.y), press(antialiasingBox.x, antialiasingBox.y),
         press(antialiasingBox.x, antialiasingBox.y), idle, press(apply.x, apply.y), idle, press(back.x, back.y)},
        [&](int frame) {
            if (frame <= 5)
                seen.push_back(game::antialiasing);
        });
    EXPECT_EQ(frames, 9);
    const bool a = antialiasingBefore;
    EXPECT_EQ(seen, (std::vector<bool>{a, a, !a, !a, a}));
    EXPECT_NE(game::window.getSystemHandle(), before);
    EXPECT_TRUE(game::window.isOpen());
    EXPECT_EQ(game::window.getSize(), sf::Vector2u(1920, 1080));
    EXPECT_EQ(game::contextSettings.antialiasingLevel, a ? 8u : 0u);
}

TEST_F(SettingsScreen, ApplyInTheFirstSecondOnlyClicks) {
    // Held from the first frame up to the one that starts at exactly 1.0 s. The
    // sound is stopped before that frame, so its press is heard and counted again.
    std::vector<int> counted;
    const int frames = driver.runScreen(settingsScreen, {press(apply.x, apply.y), press(apply.x, apply.y), press(apply.x, apply.y),
                                  press(apply.x, apply.y), press(apply.x, apply.y), idle, press(back.x, back.y)},
                                 [&](int frame) {
                                     counted.push_back(game::saveData.buttonsClicked - clicks);
                                     EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 100) << "frame " << frame;
                                     if (frame == 4)
                                         game::buttonSound.stop();
                                 });
    EXPECT_EQ(counted, (std::vector<int>{1, 1, 1, 1, 2, 2}));
    // The "<" press found the sound still playing: it left without counting.
    EXPECT_EQ(frames, 7);
    EXPECT_EQ(game::saveData.buttonsClicked, clicks + 2);
    EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 100);
}

TEST_F(SettingsScreen, AfterApplyTheScreenStartsAfreshAndOneBackLeaves) {
    // "Apply" acts at 1.25 s. The restarted screen waits its own second: held on
    // through its first second, "Apply" does not act again, even with a new volume.
    std::vector<Frame> frames(5, idle);
    for (int frame = 6; frame <= 10; frame++)
        frames.push_back(press(apply.x, apply.y));
    frames.push_back(idle);
    frames.push_back(press(back.x, back.y));
    const int ran = driver.runScreen(settingsScreen, frames, [&](int frame) {
        if (frame == 6) {
            EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 30);
            game::audioVolume = 40;
        }
    });
    EXPECT_EQ(ran, 12);
    EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 30);
}

TEST_F(SettingsScreen, TheBossFightHasItsOwnMusicSlider) {
    // Both volumes at 50: the music knob stands mid-track at (1440, 840), the audio
    // knob, on its 300-unit track from 505 to 805, at (655, 840).
    game::difficulty = 4;
    game::audioVolume = 50;
    driver.runScreen(settingsScreen, {press(1440, 840), press(1700, 840), idle, press(655, 840), press(0, 840), idle,
               press(back.x, back.y)});
    EXPECT_EQ(game::musicVolume, 100);
    EXPECT_EQ(game::audioVolume, 0);

    // Elsewhere there is no music slider: the same press lands on the 800-unit audio
    // track beside its knob and moves nothing. The audio knob is at (960, 840).
    game::difficulty = 1;
    game::audioVolume = 50;
    game::musicVolume = 50;
    driver.runScreen(settingsScreen, {press(1440, 840), press(1700, 840), idle, press(960, 840), press(1200, 840), idle,
               press(back.x, back.y)});
    EXPECT_EQ(game::musicVolume, 50);
    EXPECT_EQ(game::audioVolume, 80); // 640 of 800 units
}

TEST_F(SettingsScreen, WithoutFocusTheMouseStillEditsButNothingLeaves) {
    // "<" and Escape held without the focus; the Max FPS knob (240, at x = 1085.7)
    // dragged to the right end; then Escape with the focus leaves at once.
    Frame backUnfocused = press(back.x, back.y);
    backUnfocused.escape = true;
    backUnfocused.focus = false;
    Frame drag = press(1085, 240), dragToEnd = press(1500, 240);
    drag.focus = dragToEnd.focus = false;
    drag.escape = dragToEnd.escape = true;
    Frame escape = idle;
    escape.escape = true;

    const int frames = driver.runScreen(settingsScreen, {backUnfocused, backUnfocused, backUnfocused, drag, dragToEnd, escape});
    EXPECT_EQ(frames, 6);
    EXPECT_EQ(game::maxFps, 360);
    EXPECT_EQ(game::saveData.buttonsClicked, clicks);
    EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 100);
}

} // namespace
