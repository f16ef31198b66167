// Sliders and toggles on the real window, the mouse and the frame time scripted
// through the seam and each update called by hand, one per frame.
#include "app/GameContext.hpp"
#include "support/TestScreen.hpp"
#include "ui/Slider.hpp"
#include "ui/Toggle.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

class WidgetOnScreen : public ::testing::Test {
protected:
    ScriptedInput input;
    std::int32_t clicksBefore = 0;

    void SetUp() override {
        openTestScreen();
        game::window.setView(game::hudView);
        game::frameTime = 1.0f / 60.0f;
        clicksBefore = game::saveData.buttonsClicked;
    }
    // Neither widget is a button: no press on them ever counts as a click.
    void TearDown() override { EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore); }

    template <class Widget> void updateAt(Widget& widget, float x, float y, bool pressed) {
        input.script.mouse = sf::Vector2i(int(x), int(y));
        input.script.leftButton = pressed;
        widget.update();
    }
};

using SliderOnScreen = WidgetOnScreen;
using ToggleOnScreen = WidgetOnScreen;

// The Max FPS slider of the settings screen is 800 wide from 10 to 360 at (960, 240):
// its track runs from x = 560 to 1360. The wide one has 100 units a step, so whole
// pixels give f = 12.5 (x = 1210) and f = 12.49 (x = 1209) from its left end at -40.
TEST_F(SliderOnScreen, AGrabbedKnobMapsThePointerOntoTheRangeRoundingHalfUp) {
    const struct { const char* name; float width; std::int32_t min, max, start; float grabX, x, y, knobX; std::int32_t value; } rows[] = {
        {"grabbed in place", 800, 10, 360, 240, 1085.714f, 1085, 240, 1085, 240},
        {"400 units in: f = 175", 800, 10, 360, 240, 1085.714f, 960, 240, 960, 185},
        {"far past the right end", 800, 10, 360, 240, 1085.714f, 5000, 1000, 1360, 360},
        {"far past the left end", 800, 10, 360, 240, 1085.714f, -3000, -500, 560, 10},
        {"f = 12.5", 2000, 100, 120, 110, 960, 1210, 240, 1210, 113},
        {"f = 12.49", 2000, 100, 120, 110, 960, 1209, 240, 1209, 112},
        // Built out of range, the knob stands beyond the track until dragged back.
        {"above the range", 800, 10, 360, 400, 1451.429f, 1451, 240, 1360, 360},
        {"below the range", 800, 0, 100, -5, 520, 520, 240, 560, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::int32_t value = row.start;
        Slider slider(960, 240, row.width, 20, row.min, row.max, &value, sf::Color::White, sf::Color::Red, 6);
        EXPECT_NEAR(slider.knob.getPosition().x, row.grabX, 0.001f);
        EXPECT_EQ(slider.valueText.getString().toAnsiString(), std::to_string(row.start));
        updateAt(slider, row.grabX, 240, true);
        ASSERT_TRUE(slider.dragging);
        updateAt(slider, row.x, row.y, true);
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(slider.knob.getPosition(), sf::Vector2f(row.knobX, 240));
        // The text shows the value, centred 3 knob radii (120 units) above the knob.
        EXPECT_EQ(slider.valueText.getString().toAnsiString(), std::to_string(row.value));
        EXPECT_EQ(slider.valueText.getPosition(), sf::Vector2f(row.knobX, 120));
    }
}

TEST_F(SliderOnScreen, OnlyAPixelWhollyInsideTheKnobGrabsItAndReleaseDropsIt) {
    std::int32_t value = 240;
    Slider slider(960, 240, 800, 20, 10, 360, &value, sf::Color::White, sf::Color::Blue, 6);
    // A press on the track beside the knob, held and moved along the track, does nothing.
    for (float x : {700.0f, 900.0f, 1300.0f})
        updateAt(slider, x, 240, true);
    EXPECT_FALSE(slider.dragging);

    // The last pixel column touching the knob's bounds pokes out of their right edge.
    updateAt(slider, 0, 0, false);
    const float lastColumn = std::ceil(slider.knobBounds.left + slider.knobBounds.width) - 1;
    updateAt(slider, lastColumn, 240, true);
    EXPECT_FALSE(slider.dragging);
    updateAt(slider, lastColumn - 1, 240, false);
    updateAt(slider, lastColumn - 1, 240, true);
    EXPECT_EQ(slider.knobPosition.x, lastColumn - 1);

    // Let go, the knob stays where it was dropped, whatever the pointer does next.
    updateAt(slider, 700, 240, false);
    updateAt(slider, 800, 240, false);
    EXPECT_EQ(slider.knobPosition.x, lastColumn - 1);
}

// The FPS Display toggle of the settings screen: 100 x 100 at (600, 440) with a
// 10-unit outline, so it answers from (540, 380) to (660, 500), far edges excluded.
TEST_F(ToggleOnScreen, AHeldPressFlipsEveryHalfSecondFromConstruction) {
    bool value = false;
    Toggle toggle(600, 440, 100, 100, 10, sf::Color::White, sf::Color(100, 100, 250, 255), &value);
    std::vector<int> flips;
    for (int frame = 1; frame <= 72; frame++) { // 1.2 s of frames of 1/60 s
        const bool last = value;
        updateAt(toggle, 600, 440, true);
        if (value != last)
            flips.push_back(frame);
    }
    EXPECT_EQ(flips, (std::vector<int>{30, 60}));
    EXPECT_TRUE(toggle.changed); // back where it started, but changed
}

TEST_F(ToggleOnScreen, TheOutlineAnswersTheFarEdgesDoNotAndTheFillShowsTheValue) {
    bool value = false;
    Toggle toggle(600, 440, 100, 100, 10, sf::Color::White, sf::Color(100, 100, 250, 255), &value);
    game::frameTime = 0.5f; // every update is just past the cooldown
    const struct { int x, y; bool pressed, value, changed; } rows[] = {
        {660, 440, true, false, false}, {600, 500, true, false, false}, {539, 440, true, false, false},
        {540, 380, true, true, true},   {659, 499, true, false, true},  {540, 380, false, false, true}};
    for (const auto& row : rows) {
        updateAt(toggle, float(row.x), float(row.y), row.pressed);
        EXPECT_EQ(value, row.value) << row.x << ", " << row.y;
        EXPECT_EQ(toggle.changed, row.changed) << row.x << ", " << row.y;
        // The on colour at alpha 192, whatever the on colour's own alpha.
        EXPECT_EQ(toggle.box.getFillColor(), value ? sf::Color(100, 100, 250, 192) : sf::Color::Transparent);
    }
    value = true; // a value set from outside shows from the next update on
    updateAt(toggle, 1800, 1000, false);
    EXPECT_EQ(toggle.box.getFillColor(), sf::Color(100, 100, 250, 192));
}

} // namespace
