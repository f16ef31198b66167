// The window follows the settings, and is re-created only when asked.
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "support/TestScreen.hpp"

#include <gtest/gtest.h>

namespace {

TEST(Display, FirstStartOpensTheWindowAtTheScreenSizeWithTheVolumesAndTheViews) {
    openTestScreen();
    EXPECT_TRUE(game::window.isOpen() && game::window.getSize() == sf::Vector2u(1920, 1080));
    EXPECT_EQ(game::contextSettings.antialiasingLevel, 0u);
    EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 50);
    EXPECT_FLOAT_EQ(game::musicSound.getVolume(), 50);
    // The arena's corners land on the corners of the screen rectangle (10, 10)-(1900, 770).
    EXPECT_EQ(game::window.mapCoordsToPixel({0, 0}, game::gameView), sf::Vector2i(10, 10));
    EXPECT_EQ(game::window.mapCoordsToPixel({2256, 900}, game::gameView), sf::Vector2i(1900, 770));
    EXPECT_EQ(game::window.mapCoordsToPixel({1920, 1080}, game::hudView), sf::Vector2i(1920, 1080));
}

TEST(Display, OnlyAskingForItReCreatesTheWindow) {
    openTestScreen();
    const sf::WindowHandle first = game::window.getSystemHandle();
    // Vertical sync, the frame limit and the volumes apply to the open window;
    // antialiasing is remembered for the next re-creation.
    game::vsync = false, game::maxFps = 60, game::audioVolume = 20, game::musicVolume = 80, game::antialiasing = true;
    applyDisplaySettings(false);
    EXPECT_TRUE(game::window.getSystemHandle() == first && game::contextSettings.antialiasingLevel == 8);
    EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 20);
    EXPECT_FLOAT_EQ(game::musicSound.getVolume(), 80);

    game::antialiasing = false;
    applyDisplaySettings(true);
    EXPECT_TRUE(game::window.getSystemHandle() != first && game::window.isOpen());
    EXPECT_EQ(game::contextSettings.antialiasingLevel, 0u);

    game::vsync = true, game::maxFps = 240, game::audioVolume = 50, game::musicVolume = 50;
    applyDisplaySettings(false);
    game::window.setView(game::hudView);
}

} // namespace
