// The window follows the settings, and is re-created only when asked.
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "support/TestScreen.hpp"

#include <gtest/gtest.h>

namespace {

// First start: the screen's size, no antialiasing, both volumes at 50. (Where the
// views fall, the letterbox test checks at every size.)
TEST(Display, TheFirstWindowFollowsTheDefaultsAndOnlyAskingForItReCreatesIt) {
    openTestScreen();
    EXPECT_TRUE(game::window.isOpen() && game::window.getSize() == sf::Vector2u(1920, 1080));
    EXPECT_EQ(compat::antialiasing(game::contextSettings), 0u);
    EXPECT_TRUE(game::buttonSound.getVolume() == 50 && game::musicSound.getVolume() == 50);
    const sf::WindowHandle first = compat::nativeHandle(game::window);
    // Vertical sync, the frame limit and the volumes apply to the open window;
    // antialiasing is remembered for the next re-creation.
    game::vsync = false, game::maxFps = 60, game::audioVolume = 20, game::musicVolume = 80, game::antialiasing = true;
    applyDisplaySettings(false);
    EXPECT_TRUE(compat::nativeHandle(game::window) == first && compat::antialiasing(game::contextSettings) == 8);
    EXPECT_FLOAT_EQ(game::buttonSound.getVolume(), 20);
    EXPECT_FLOAT_EQ(game::musicSound.getVolume(), 80);

    game::antialiasing = false;
    applyDisplaySettings(true);
    EXPECT_TRUE(compat::nativeHandle(game::window) != first && game::window.isOpen());
    EXPECT_EQ(compat::antialiasing(game::contextSettings), 0u);

    game::vsync = true, game::maxFps = 240, game::audioVolume = 50, game::musicVolume = 50;
    applyDisplaySettings(false);
    game::window.setView(game::hudView);
}

} // namespace
