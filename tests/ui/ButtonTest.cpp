// Buttons and side labels on the real window, the mouse and the clock scripted through the seam.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "support/TestScreen.hpp"
#include "ui/Button.hpp"
#include "ui/Text.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using Alphas = std::vector<int>; // fill alphas, one a frame

// The "Play" button of the main menu is 600 x 100 at (960, 540) with a 5-unit outline, so its bounds run from
// (655, 485) to (1265, 595), far edges excluded. A press is level-triggered: true on every frame it is held, but
// counted once per playback of the button sound.
TEST(ButtonOnScreen, TheFarEdgesMissAHeldPressCountsOncePerSoundAndTheFillFadesOneStepPerInterval) {
    ScriptedInput input;
    openTestScreen(), loadGameAssets(); // with the font, labels have bounds to be placed by
    const sf::SoundBuffer longPress = silence(1.0f);
    game::buttonSound.setBuffer(longPress), game::frameTime = 1.0f / 60.0f;
    const auto fade = [&](Button& button, sf::Vector2i at, int frames) {
        input.script.mouse = at;
        Alphas alphas;
        for (int frame = 0; frame < frames; frame++)
            button.updateHover(), alphas.push_back(button.fillAlpha);
        return alphas;
    };
    const struct { int x, y; bool pressed, hovered; } rows[] = {
        {1265, 540, true, false}, {960, 595, true, false}, {1264, 594, true, true}, {655, 485, true, true},
        {960, 540, false, true}}; // the last leaves the button up for the fades below
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << ", " << row.y);
        Button button(960, 540, 600, 100, "Play", sf::Color::White, 5);
        const int clicksBefore = game::saveData.buttonsClicked, clicks = row.hovered && row.pressed ? 2 : 0;
        game::buttonSound.stop(), input.script.leftButton = row.pressed;
        EXPECT_EQ(fade(button, {row.x, row.y}, 1), Alphas{row.hovered ? 5 : 0});
        // Held on while the sound plays: clicked again, not counted again.
        EXPECT_EQ(button.isClicked() && button.isClicked(), clicks > 0);
        game::buttonSound.stop(); // the sound has finished: the held press counts again
        EXPECT_EQ(button.isClicked(), clicks > 0);
        EXPECT_EQ(game::saveData.buttonsClicked, clicksBefore + clicks);
    }

    Button button(960, 540, 600, 100, "Play", sf::Color::White, 5);
    EXPECT_EQ(fade(button, {960, 540}, 15), (Alphas{5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 70}));
    EXPECT_EQ(button.shape.getFillColor(), sf::Color(255, 255, 255, 70));
    EXPECT_EQ(button.shape.getOutlineColor(), sf::Color(255, 255, 255, 192));
    EXPECT_EQ(fade(button, {100, 540}, 15), (Alphas{65, 60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5, 0, 0}));
    EXPECT_EQ(button.shape.getOutlineColor(), sf::Color::White);
    // 0.9 s over a ceiling of 69: a step every 13 ms, so frames of 5 ms step every
    // third; the first step after the long rest above comes at once.
    game::frameTime = 0.005f;
    EXPECT_EQ(fade(button, {960, 540}, 6), (Alphas{5, 5, 5, 10, 10, 10}));
    // A translucent colour lowers the ceiling to its own alpha.
    Button faint{960, 540, 600, 100, "Faint", sf::Color(255, 255, 255, 20), 5};
    game::frameTime = 1.0f;
    EXPECT_EQ(fade(faint, {960, 540}, 5), (Alphas{5, 10, 15, 20, 20}));

    // A caption is sized by its button's height and centred on it; a setting's side label
    // ends at its point, level with it. Within 5 units: the glyphs' bearings shift the boxes.
    for (const auto& [height, size] : {std::pair(100.0f, 45u), std::pair(130.0f, 59u), std::pair(140.0f, 63u)})
        EXPECT_EQ(Button(0, 0, 10, height, "x", sf::Color::White, 1).label.getCharacterSize(), size) << height;
    const sf::FloatRect caption = button.label.getGlobalBounds();
    const sf::FloatRect side = makeSideLabel("Max FPS:", 510, 240).getGlobalBounds();
    EXPECT_NEAR(compat::left(caption) + compat::width(caption) * 0.5f, 960, 5);
    EXPECT_NEAR(compat::top(caption) + compat::height(caption) * 0.5f, 540, 5);
    EXPECT_NEAR(compat::left(side) + compat::width(side), 510, 5);
    EXPECT_NEAR(compat::top(side) + compat::height(side) * 0.5f, 240, 5);
}
