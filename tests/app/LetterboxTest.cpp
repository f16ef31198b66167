// Any window size, resized or made anew: the 1920 x 1080 picture keeps its shape inside bars of (8, 8, 8),
// and texts, the blurred backdrop and presses land where they do at 1920 x 1080.
#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

sf::IntRect picture; // where the picture lies in the window, in pixels
sf::Image shot;

sf::Vector2i pixel(float x, float y) {
    return {int(compat::left(picture) + x * compat::width(picture) / 1920 + 0.5f),
            int(compat::top(picture) + y * compat::height(picture) / 1080 + 0.5f)};
}
Frame pressAt(float x, float y) {
    return press(float(pixel(x, y).x), float(pixel(x, y).y));
}
sf::Color at(float x, float y) {
    return compat::pixel(shot, unsigned(pixel(x, y).x), unsigned(pixel(x, y).y));
}
void shootAt(int frame, int wanted) {
    if (frame == wanted)
        shot = captureWindow();
}

TEST(Letterbox, EveryWindowSizeShowsThePictureWhereItBelongs) {
    ScreenDriver driver;
    ASSERT_TRUE(compat::openFont(game::arialFont, "Assets/Fonts/ARIAL.ttf"));
    struct Row {
        const char* name;
        sf::Vector2u size;
        sf::IntRect shownAt;
        bool madeAnew; // the window made again at the size, as "Apply" does, rather than resized
    };
    const Row rows[] = {
        {"taller: bars above and below", {1920, 1200}, {{0, 60}, {1920, 1080}}, false},
        {"wider: bars left and right", {3440, 1440}, {{440, 0}, {2560, 1440}}, false},
        {"made anew a little wider: bars of whole pixels", {1925, 1080}, {{2, 0}, {1921, 1080}}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.madeAnew) {
            game::screenWidth = float(row.size.x);
            game::screenHeight = float(row.size.y);
            applyDisplaySettings(true);
        } else {
            game::window.setSize(row.size);
        }
        picture = row.shownAt;
        driver.maxFrames = driver.script.framesEnded + 500;
        while (sf::Vector2f(game::screenWidth, game::screenHeight) != sf::Vector2f(row.size)) {
            sf::sleep(sf::milliseconds(5));
            pollWindowEvents(); // as the game sees a player's resize
        }
        EXPECT_EQ(game::window.getViewport(game::hudView), picture);
        // A press in the very next frame, before a screen sets its view, lands where it is drawn.
        driver.script.mouse = pixel(960, 990);
        const auto pressed = input::mousePoint(game::window);
        EXPECT_LE(std::abs(pressed.x - 960) + std::abs(pressed.y - 990), 1);
        const sf::Vector2i arenaEnd = game::window.mapCoordsToPixel({2256, 900}, game::gameView) - pixel(1900, 770);
        EXPECT_LE(std::abs(arenaEnd.x) + std::abs(arenaEnd.y), 2);

        // "Quit Game" answers where it is drawn.
        driver.runScreen(mainMenu, framesOf({{idle, 10}, {pressAt(960, 990), 1}}));
        EXPECT_FALSE(std::exchange(game::appRunning, true));

        // The frame behind the death screen: red up to (1500, 1000), where the panel
        // leaves it visible, and blue elsewhere, wherever a stale size says. "Restart" leaves.
        game::screenWidth /= 2;
        sf::RectangleShape blue({1920, 1080});
        sf::RectangleShape red({1500, 1000});
        blue.setFillColor(sf::Color::Blue);
        red.setFillColor(sf::Color::Red);
        game::window.draw(blue);
        game::window.draw(red);
        game::window.display();
        driver.runScreen(deathScreen, {idle, idle, pressAt(960, 590)}, [](int frame) { shootAt(frame, 2); });
        game::screenWidth *= 2;
        EXPECT_FALSE(std::exchange(game::showMainMenu, true));
        EXPECT_GT(at(1450, 980).r, 150);
        EXPECT_GT(at(1550, 30).b, 150);
        EXPECT_GT(at(30, 1030).b, 150);
        if (compat::left(picture) + compat::top(picture) > 0) {
            const unsigned barX = unsigned(compat::left(picture) / 2);
            const unsigned barY = unsigned(compat::top(picture) / 2);
            EXPECT_EQ(compat::pixel(shot, barX, barY), sf::Color(8, 8, 8));
        }
    }
}

} // namespace
