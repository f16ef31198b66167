// Sliders and toggles on the real window, the mouse and the frame time scripted
// through the seam and each update called by hand, one per frame.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "support/TestScreen.hpp"
#include "ui/Slider.hpp"
#include "ui/Toggle.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

struct WidgetOnScreen : ::testing::Test {
    ScriptedInput input;
    void SetUp() override { openTestScreen(), game::window.setView(game::hudView), game::frameTime = 1.0f / 60.0f; }
    template <class Widget> void updateAt(Widget& widget, float x, float y, bool pressed) {
        input.script.mouse = sf::Vector2i(int(x), int(y)), input.script.leftButton = pressed;
        widget.update();
    }
};

// The Max FPS slider of the settings screen is 800 wide from 10 to 360 at (960, 240):
// its track runs from x = 560 to 1360, and its knob at 240 stands at x = 1085.7 with
// its bounds, outline included, ending at 1131.7. Only a pixel wholly inside them
// grabs the knob (1130, not 1131); held, it follows the pointer's x wherever the
// pointer goes; let go, it stays. The wide one has 100 units a step, so whole pixels
// give f = 12.5 (x = 1210) and f = 12.49 (x = 1209) from its left end at -40.
TEST_F(WidgetOnScreen, ASliderKnobGrabbedMapsThePointerOntoTheRangeRoundingHalfUp) {
    const struct { const char* name; float width; std::int32_t min, max, start; float knobAt, grabX, x; bool held;
        float knobX; std::int32_t value; } rows[] = {
        {"400 units in: f = 175", 800, 10, 360, 240, 1085.714f, 1085, 960, true, 960, 185},
        {"far past the right end", 800, 10, 360, 240, 1085.714f, 1085, 5000, true, 1360, 360},
        {"far past the left end", 800, 10, 360, 240, 1085.714f, 1085, -3000, true, 560, 10},
        {"a pixel poking out of the knob", 800, 10, 360, 240, 1085.714f, 1131, 700, true, 1085.714f, 240},
        {"let go", 800, 10, 360, 240, 1085.714f, 1130, 700, false, 1130, 259},
        {"f = 12.5", 2000, 100, 120, 110, 960, 960, 1210, true, 1210, 113},
        {"f = 12.49", 2000, 100, 120, 110, 960, 960, 1209, true, 1209, 112},
        // Built out of range, the knob stands beyond the track until dragged back.
        {"above the range", 800, 10, 360, 400, 1451.429f, 1451, 1451, true, 1360, 360},
        {"below the range", 800, 0, 100, -5, 520, 520, 520, true, 560, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::int32_t value = row.start;
        Slider slider(960, 240, row.width, 20, row.min, row.max, &value, sf::Color::White, sf::Color::Red, 6);
        EXPECT_NEAR(slider.knob.getPosition().x, row.knobAt, 0.001f);
        updateAt(slider, row.grabX, 240, true);
        updateAt(slider, row.x, 1000, row.held);
        EXPECT_EQ(value, row.value);
        EXPECT_NEAR(slider.knob.getPosition().x, row.knobX, 0.001f);
        // The text shows the value, centred 3 knob radii (120 units) above the knob.
        EXPECT_EQ(std::pair(slider.valueText.getString().toAnsiString(), slider.valueText.getPosition()),
                  std::pair(std::to_string(row.value), slider.knob.getPosition() - sf::Vector2f(0, 120)));
    }
    // A right press on a value edited in the save to the largest int clamps without overflowing.
    std::int32_t edited = 2147483647;
    Slider stepped(960, 240, 800, 20, 10, 360, &edited, sf::Color::White, sf::Color::Red, 6);
    stepped.focus.steps = 1, stepped.update();
    EXPECT_EQ(edited, 360);
}

// The FPS Display toggle of the settings screen: 100 x 100 at (600, 440) with a
// 10-unit outline, so it answers from (540, 380) to (660, 500), far edges excluded.
TEST_F(WidgetOnScreen, AToggleHeldPressFlipsEveryHalfSecondInsideTheOutlineAndTheFillShowsTheValue) {
    bool held = false, value = true;
    Toggle heldOn(600, 440, 100, 100, 10, sf::Color::White, sf::Color(100, 100, 250, 255), &held);
    std::string shown; // the value after each frame of 1/60 s: the first flip waits from construction
    for (int frame = 1; frame <= 72; frame++, shown += held ? '1' : '0')
        updateAt(heldOn, 600, 440, true);
    EXPECT_EQ(shown, std::string(29, '0') + std::string(30, '1') + std::string(13, '0'));

    // A value set before the first update shows from it on; every update here is just past the cooldown.
    Toggle toggle(600, 440, 100, 100, 10, sf::Color::White, sf::Color(100, 100, 250, 255), &value);
    game::frameTime = 0.5f;
    const struct { int x, y; bool pressed, value, changed; } rows[] = {
        {660, 440, true, true, false}, {600, 500, true, true, false}, {539, 440, true, true, false},
        {540, 380, true, false, true}, {659, 499, true, true, true}, {540, 380, false, true, true}};
    for (const auto& row : rows) {
        updateAt(toggle, float(row.x), float(row.y), row.pressed);
        EXPECT_EQ(std::pair(value, toggle.changed), std::pair(row.value, row.changed)) << row.x << ", " << row.y;
        // The on colour at alpha 192, whatever the on colour's own alpha.
        EXPECT_EQ(toggle.box.getFillColor(), value ? sf::Color(100, 100, 250, 192) : sf::Color::Transparent);
    }
}
