// The settings screen, driven frame by frame through the seam: when "Apply" acts and
// whether it re-creates the window, the restart after it, the boss-fight layout and
// the focus. Frames last a quarter second, so the one-second guard falls exactly on
// the start of the fifth frame.
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "screens/SettingsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Centres of the screen's widgets.
const Frame back = press(120, 120), apply = press(960, 995);

class SettingsScreen : public ::testing::Test {
protected:
    ScreenDriver driver;
    sf::SoundBuffer longPress = silence(10.0f);

    // Everything the tests change, to be put back.
    bool showFps = game::showFps, vsync = game::vsync, fullscreen = game::fullscreen,
         antialiasing = game::antialiasing;
    std::int32_t maxFps = game::maxFps, audioVolume = game::audioVolume, musicVolume = game::musicVolume;
    std::int32_t difficulty = game::difficulty, clicks = game::saveData.buttonsClicked;

    void SetUp() override {
        game::window.setView(game::hudView);
        game::buttonSound.setBuffer(longPress);
        game::buttonSound.stop();
        // A volume the settings do not hold: only "Apply" brings it to audioVolume.
        game::buttonSound.setVolume(100);
        game::audioVolume = 30;
        driver.script.frameStep = sf::milliseconds(250);
    }

    void TearDown() override {
        game::buttonSound.stop();
        game::showFps = showFps, game::vsync = vsync, game::fullscreen = fullscreen;
        game::antialiasing = antialiasing, game::maxFps = maxFps;
        game::audioVolume = audioVolume, game::musicVolume = musicVolume;
        game::difficulty = difficulty, game::saveData.buttonsClicked = clicks;
        applyDisplaySettings(false);
        game::window.setView(game::hudView);
    }
};

TEST_F(SettingsScreen, OnlyFullscreenOrAntialiasingReCreateTheWindowOnApply) {
    // A toggle held from the start flips at 0.5 s (frame 3) and again at 1.0 s
    // (frame 5); "Apply" acts at 1.25 s and the restarted screen is left with one "<".
    const struct { const char* name; Frame box; bool* setting; int heldFrames; bool reCreated; } rows[] = {
        {"V-SYNC once", press(1440, 440), &game::vsync, 3, false},
        {"Antialiasing twice", press(600, 640), &game::antialiasing, 5, true},
        {"Fullscreen twice", press(1440, 640), &game::fullscreen, 5, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        game::buttonSound.setVolume(100);
        const sf::WindowHandle handle = game::window.getSystemHandle();
        const bool before = *row.setting;
        std::vector<Frame> frames(5, idle);
        std::fill_n(frames.begin(), row.heldFrames, row.box);
        frames.insert(frames.end(), {apply, idle, back});
        EXPECT_EQ(driver.runScreen(settingsScreen, frames), 8);
        EXPECT_EQ(*row.setting, row.heldFrames == 3 ? !before : before);
        EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 30); // "Apply" acted
        EXPECT_EQ(game::window.getSystemHandle() != handle, row.reCreated);
        EXPECT_EQ(game::window.getSize(), sf::Vector2u(1920, 1080));
        EXPECT_EQ(game::contextSettings.antialiasingLevel, game::antialiasing ? 8u : 0u);
    }
}

TEST_F(SettingsScreen, ApplyActsAfterASecondAndTheRestartedScreenWaitsItsOwn) {
    // "Apply" held from the first frame: up to the frame that starts at exactly 1.0 s
    // it only clicks (the sound is stopped before that frame, so it is counted again);
    // it acts at 1.25 s; held on through the restarted screen's first second, it does
    // not act again, even with a new volume.
    std::vector<int> counted, volume;
    std::vector<Frame> frames(10, apply);
    frames.insert(frames.end(), {idle, back});
    const int ran = driver.runScreen(settingsScreen, frames, [&](int frame) {
        counted.push_back(game::saveData.buttonsClicked - clicks);
        volume.push_back(int(std::lround(game::buttonSound.getVolume())));
        if (frame == 4)
            game::buttonSound.stop();
        if (frame == 6)
            game::audioVolume = 40;
    });
    EXPECT_EQ(ran, 12);
    EXPECT_EQ(counted, (std::vector<int>{1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(volume, (std::vector<int>{100, 100, 100, 100, 100, 30, 30, 30, 30, 30, 30}));
    // The "<" press found the sound still playing: it left without counting.
    EXPECT_EQ(game::saveData.buttonsClicked, clicks + 2);
}

// Without the focus the widgets still follow the mouse, but neither "<" nor Escape
// leaves. Both volumes start at 50: in the boss fight the music knob stands mid-track
// at (1440, 840) on its 300-unit track from 1290 (so x = 1350 gives 20), and the
// audio knob at (655, 840) on its track from 505 (x = 700 gives 65). Elsewhere the
// music press lands beside the 800-unit audio track's knob at (960, 840) and moves
// nothing. The Max FPS knob (240) stands at x = 1085.7.
TEST_F(SettingsScreen, WithoutFocusTheSlidersStillEditAndTheBossFightHasAMusicSlider) {
    const struct { std::int32_t difficulty; float audioKnobX, audioToX; std::int32_t music, audio; } rows[] = {
        {4, 655, 700, 20, 65}, {1, 960, 1200, 50, 80}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.difficulty);
        game::difficulty = row.difficulty;
        game::audioVolume = game::musicVolume = 50;
        game::maxFps = 240;
        std::vector<Frame> frames = {back, press(1085, 240), press(1500, 240), idle, press(1440, 840), press(1350, 840),
                                     idle, press(row.audioKnobX, 840), press(row.audioToX, 840), idle};
        for (Frame& frame : frames)
            frame.escape = true, frame.focus = false;
        frames.back().focus = true;
        EXPECT_EQ(driver.runScreen(settingsScreen, frames), 10);
        EXPECT_EQ(game::maxFps, 360);
        EXPECT_EQ(game::musicVolume, row.music);
        EXPECT_EQ(game::audioVolume, row.audio);
        EXPECT_EQ(game::saveData.buttonsClicked, clicks);
    }
}

} // namespace
