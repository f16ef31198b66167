// The settings screen, driven frame by frame through the seam: when "Apply" acts and
// whether it re-creates the window, the restart after it, the boss-fight layout and
// the focus. Frames last a quarter second, so the one-second guard falls exactly on
// the start of the fifth frame.
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "screens/SettingsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Centres of the screen's widgets.
const Frame back = press(120, 120);
const Frame apply = press(960, 995);

struct SettingsScreen : ::testing::Test {
    ScreenDriver driver;
    sf::SoundBuffer longPress = silence(10.0f);

    void SetUp() override {
        game::window.setView(game::hudView);
        driver.script.frameStep = sf::milliseconds(250);
    }
};

// A toggle held from the start flips at 0.5 s (frame 3) and again at 1.0 s (frame 5);
// then "Apply" is held: at exactly 1.0 s it only clicks, at 1.25 s (frame 6) it acts,
// and held on through the restarted screen's own first second it does not act again,
// even with a new volume. The sounds start at volumes the settings do not hold: only
// "Apply" brings them to the settings. The stopped sound lets a press at 1.0 s count
// again; "<", finding it playing, leaves without counting.
TEST_F(SettingsScreen, ApplyActsAfterASecondAndOnlyFullscreenOrAntialiasingReCreateTheWindow) {
    struct Row {
        const char* name;
        Frame box;
        bool* setting;
        int heldFrames, clicked;
        bool reCreated;
    };
    const Row rows[] = {
        {"V-SYNC once", press(1440, 440), &game::vsync, 3, 2, false},
        {"Antialiasing twice", press(600, 640), &game::antialiasing, 5, 1, true},
        {"Fullscreen twice", press(1440, 640), &game::fullscreen, 5, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        game::buttonSound.setBuffer(longPress); // stopped
        game::buttonSound.setVolume(100);
        game::musicSound.setVolume(100);
        game::audioVolume = 30;
        game::musicVolume = 70;
        const auto handle = compat::nativeHandle(game::window);
        const bool before = *row.setting;
        const std::int32_t clicksBefore = game::saveData.buttonsClicked;
        std::vector<Frame> frames = framesOf({{row.box, row.heldFrames}});
        frames.resize(10, apply);
        frames.push_back(idle);
        frames.push_back(back);
        std::vector<int> volume;
        const auto watch = [&volume](int frame) {
            volume.push_back(int(std::lround(game::buttonSound.getVolume())));
            if (frame == 4)
                game::buttonSound.stop();
            if (frame == 6)
                game::audioVolume = 40;
        };
        EXPECT_EQ(driver.runScreen(settingsScreen, frames, watch), 12);
        EXPECT_EQ(volume, (std::vector<int>{100, 100, 100, 100, 100, 30, 30, 30, 30, 30, 30}));
        EXPECT_FLOAT_EQ(game::musicSound.getVolume(), 70);
        EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore + row.clicked);
        EXPECT_EQ(*row.setting != before, row.heldFrames == 3); // flipped once, or back
        EXPECT_EQ(compat::nativeHandle(game::window) != handle, row.reCreated);
    }
}

// Without the focus the widgets still follow the mouse, but neither "<" nor Escape
// leaves. Both volumes start at 50: in the boss fight the music knob stands mid-track
// at (1440, 840) on its 300-unit track from 1290 (so x = 1350 gives 20), and the
// audio knob at (655, 840) on its track from 505 (x = 700 gives 65). Elsewhere the
// music press lands beside the 800-unit audio track's knob at (960, 840) and moves
// nothing. The Max FPS knob (240) stands at x = 1085.7 on its track from 560: x = 960 gives 185.
TEST_F(SettingsScreen, WithoutFocusTheSlidersStillEditAndTheBossFightHasAMusicSlider) {
    struct Row {
        const char* name;
        game::Difficulty difficulty;
        float audioKnobX, audioToX;
        std::int32_t music, audio;
    };
    const Row rows[] = {
        {"the boss fight: a music slider beside a short audio one", game::BossFight, 655, 700, 20, 65},
        {"elsewhere: one long audio slider", game::Average, 960, 1200, 50, 80},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        game::difficulty = row.difficulty;
        game::audioVolume = 50;
        game::musicVolume = 50;
        game::maxFps = 240;
        std::vector<Frame> frames = {
            back,                                                     // "<"
            press(1085, 240), press(960, 240), idle,                  // the Max FPS knob dragged
            press(1440, 840), press(1350, 840), idle,                 // the music knob's place
            press(row.audioKnobX, 840), press(row.audioToX, 840), idle, // the audio knob
        };
        for (Frame& frame : frames) {
            frame.escape = true;
            frame.focus = false;
        }
        frames.back().focus = true;
        EXPECT_EQ(driver.runScreen(settingsScreen, frames), 10);
        EXPECT_EQ(game::maxFps, 185);
        EXPECT_EQ(game::musicVolume, row.music);
        EXPECT_EQ(game::audioVolume, row.audio);
    }
}

} // namespace
