// Sliders and toggles on the real window, the mouse and the frame time scripted
// through the seam and each update called by hand, one per frame.
#include "app/GameContext.hpp"
#include "support/TestScreen.hpp"
#include "ui/Slider.hpp"
#include "ui/Toggle.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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

    void pointAt(float x, float y, bool pressed) {
        input.script.mouse = sf::Vector2i(int(x), int(y));
        input.script.leftButton = pressed;
    }
};

// The Max FPS slider of the settings screen: 800 wide from 10 to 360 at (960, 240),
// so its track runs from x = 560 to x = 1360.
class SliderOnScreen : public WidgetOnScreen {
protected:
    std::int32_t value = 240;
    Slider maxFps{960, 240, 800, 20, 10, 360, &value, sf::Color::White, sf::Color(100, 100, 250), 6};

    void updateAt(float x, float y, bool pressed) {
        pointAt(x, y, pressed);
        maxFps.update();
    }
};

TEST_F(SliderOnScreen, TheTrackMapsOntoTheWholeRange) {
    // 240 stands 230/350 of the way along: x = 1085.7. Grabbing it there moves
    // the knob to the pointer, which still reads 240.
    EXPECT_NEAR(maxFps.knobPosition.x, 1085.714f, 0.001f);
    updateAt(1085, 240, true);
    EXPECT_TRUE(maxFps.dragging);
    EXPECT_EQ(value, 240);

    updateAt(560, 240, true);
    EXPECT_EQ(value, 10);
    updateAt(1360, 240, true);
    EXPECT_EQ(value, 360);
    // 400 units from the left end: f = 175, the value 10 + 175.
    updateAt(960, 240, true);
    EXPECT_EQ(value, 185);
    EXPECT_EQ(maxFps.knobPosition, sf::Vector2f(960, 240));
    EXPECT_EQ(maxFps.knob.getPosition(), sf::Vector2f(960, 240));

    // The text shows the value, centred 3 knob radii (120 units) above the knob.
    EXPECT_EQ(maxFps.valueText.getString().toAnsiString(), "185");
    EXPECT_EQ(maxFps.valueText.getPosition(), sf::Vector2f(960, 120));
}

TEST_F(SliderOnScreen, HalfWayBetweenTwoValuesRoundsUp) {
    // 2000 units for 20 steps: 100 units a step, so whole pixels give f = 12.5
    // (1250 units from the left end, x = 1210) and f = 12.49 (x = 1209); likewise
    // 11.5 and 11.49 one step down.
    std::int32_t fine = 110;
    Slider wide{960, 540, 2000, 20, 100, 120, &fine, sf::Color::White, sf::Color::Red, 6};
    pointAt(960, 540, true);
    wide.update();
    ASSERT_TRUE(wide.dragging);
    EXPECT_EQ(fine, 110);

    const std::vector<std::pair<int, std::int32_t>> expected = {
        {1210, 113}, {1209, 112}, {1211, 113}, {1110, 112}, {1109, 111}};
    for (const auto& [x, value] : expected) {
        pointAt(float(x), 540, true);
        wide.update();
        EXPECT_EQ(fine, value) << "at x = " << x;
    }
}

TEST_F(SliderOnScreen, OnlyAPixelWhollyInsideTheKnobGrabsIt) {
    // A press on the track beside the knob, held and moved along the track, does nothing.
    for (float x : {700.0f, 800.0f, 900.0f, 1300.0f}) {
        updateAt(x, 240, true);
        EXPECT_FALSE(maxFps.dragging);
    }
    EXPECT_EQ(value, 240);
    EXPECT_NEAR(maxFps.knobPosition.x, 1085.714f, 0.001f);

    // The last pixel column that touches the knob's bounds pokes out of its right
    // edge: the pointer is inside the bounds, its pixel is not, and nothing is grabbed.
    updateAt(0, 0, false);
    const float right = maxFps.knobBounds.left + maxFps.knobBounds.width;
    const float lastColumn = std::ceil(right) - 1;
    ASSERT_LT(lastColumn, right);
    updateAt(lastColumn, 240, true);
    EXPECT_FALSE(maxFps.dragging);
    EXPECT_EQ(value, 240);

    // Released and pressed one pixel further in, it is grabbed and follows at once.
    updateAt(lastColumn - 1, 240, false);
    updateAt(lastColumn - 1, 240, true);
    EXPECT_TRUE(maxFps.dragging);
    EXPECT_EQ(maxFps.knobPosition.x, lastColumn - 1);
}

TEST_F(SliderOnScreen, AGrabbedKnobFollowsThePointerAnywhereButStaysOnTheTrack) {
    updateAt(1085, 240, true);
    ASSERT_TRUE(maxFps.dragging);

    updateAt(5000, 1000, true);
    EXPECT_EQ(maxFps.knobPosition, sf::Vector2f(1360, 240));
    EXPECT_EQ(value, 360);
    updateAt(-3000, -500, true);
    EXPECT_EQ(maxFps.knobPosition, sf::Vector2f(560, 240));
    EXPECT_EQ(value, 10);

    // Let go, the knob stays where it was dropped, whatever the pointer does next.
    updateAt(900, 240, false);
    EXPECT_FALSE(maxFps.dragging);
    updateAt(1200, 240, false);
    EXPECT_EQ(maxFps.knobPosition, sf::Vector2f(560, 240));
    EXPECT_EQ(value, 10);
}

TEST_F(SliderOnScreen, AValueOutsideTheRangeStandsTheKnobBeyondTheTrack) {
    std::int32_t tooHigh = 400;
    Slider high{960, 240, 800, 20, 10, 360, &tooHigh, sf::Color::White, sf::Color::Blue, 6};
    // 390/350 of the track: 91 units past its right end, and the text goes with it.
    EXPECT_NEAR(high.knobPosition.x, 1451.429f, 0.001f);
    EXPECT_EQ(high.knob.getPosition(), high.knobPosition);
    EXPECT_EQ(high.valueText.getString().toAnsiString(), "400");
    EXPECT_EQ(high.valueText.getPosition().x, high.knobPosition.x);

    std::int32_t tooLow = -5;
    Slider low{960, 840, 800, 20, 0, 100, &tooLow, sf::Color::White, sf::Color::Blue, 6};
    EXPECT_NEAR(low.knobPosition.x, 520.0f, 0.001f);
    EXPECT_EQ(low.valueText.getString().toAnsiString(), "-5");

    // Dragging brings it back into range; until then the value is left alone.
    pointAt(1451, 240, false);
    high.update();
    EXPECT_EQ(tooHigh, 400);
    pointAt(1451, 240, true);
    high.update();
    EXPECT_EQ(high.knobPosition.x, 1360);
    EXPECT_EQ(tooHigh, 360);
}

// The FPS Display toggle of the settings screen: 100 x 100 at (600, 440) with a
// 10-unit outline, so it answers from (540, 380) to (660, 500), far edges excluded.
class ToggleOnScreen : public WidgetOnScreen {
protected:
    bool value = false;
    Toggle fpsDisplay{600, 440, 100, 100, 10, sf::Color::White, sf::Color(100, 100, 250, 255), &value};
};

TEST_F(ToggleOnScreen, AHeldPressFlipsEveryHalfSecondFromConstruction) {
    pointAt(600, 440, true);
    std::vector<int> flips;
    bool last = value;
    for (int frame = 1; frame <= 72; frame++) { // 1.2 s of frames of 1/60 s
        fpsDisplay.update();
        if (value != last)
            flips.push_back(frame);
        last = value;
    }
    EXPECT_EQ(flips, (std::vector<int>{30, 60}));
    EXPECT_FALSE(value);
    // Back where it started, but it has been changed.
    EXPECT_TRUE(fpsDisplay.changed);
}

TEST_F(ToggleOnScreen, TheFillShowsTheValueAndChangedIsNeverCleared) {
    game::frameTime = 0.5f;
    pointAt(1800, 1000, false);
    fpsDisplay.update();
    EXPECT_EQ(fpsDisplay.box.getFillColor(), sf::Color::Transparent);
    EXPECT_FALSE(fpsDisplay.changed);

    pointAt(600, 440, true);
    fpsDisplay.update();
    EXPECT_TRUE(value);
    // The on colour at alpha 192, whatever the on colour's own alpha.
    EXPECT_EQ(fpsDisplay.box.getFillColor(), sf::Color(100, 100, 250, 192));
    EXPECT_EQ(fpsDisplay.box.getOutlineColor(), sf::Color::White);

    fpsDisplay.update();
    EXPECT_FALSE(value);
    EXPECT_EQ(fpsDisplay.box.getFillColor(), sf::Color::Transparent);

    pointAt(1800, 1000, false);
    for (int frame = 0; frame < 5; frame++)
        fpsDisplay.update();
    EXPECT_TRUE(fpsDisplay.changed);

    // A value set from outside shows from the next update on.
    value = true;
    fpsDisplay.update();
    EXPECT_EQ(fpsDisplay.box.getFillColor(), sf::Color(100, 100, 250, 192));
}

TEST_F(ToggleOnScreen, TheOutlineAnswersButTheFarEdgesDoNot) {
    game::frameTime = 0.5f; // every update is past the cooldown
    for (sf::Vector2i outside : {sf::Vector2i(660, 440), sf::Vector2i(600, 500), sf::Vector2i(539, 440)}) {
        pointAt(float(outside.x), float(outside.y), true);
        fpsDisplay.update();
        EXPECT_FALSE(value) << outside.x << ", " << outside.y;
    }
    EXPECT_FALSE(fpsDisplay.changed);

    pointAt(540, 380, true);
    fpsDisplay.update();
    EXPECT_TRUE(value);
    pointAt(659, 499, true);
    fpsDisplay.update();
    EXPECT_FALSE(value);
}

} // namespace
