// Any window size: the 1920 x 1080 picture keeps its shape inside bars of (8, 8, 8),
// and texts, the blurred backdrop and presses land where they do at 1920 x 1080.
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <utility>

static sf::IntRect picture; // where the picture lies in the window, in pixels
static sf::Image shot;

static sf::Vector2i pixel(float x, float y) {
    return {int(compat::left(picture) + x * compat::width(picture) / 1920 + 0.5f), int(compat::top(picture) + y * compat::height(picture) / 1080 + 0.5f)};
}
static Frame pressAt(float x, float y) { return press(float(pixel(x, y).x), float(pixel(x, y).y)); }
static sf::Color at(float x, float y) { return compat::pixel(shot, unsigned(pixel(x, y).x), unsigned(pixel(x, y).y)); }

// Left, top, right and bottom, in screen units, of the white pixels of an area.
static sf::FloatRect whiteBox(float left, float top, float right, float bottom) {
    sf::FloatRect box({1e9f, 1e9f}, {-1, -1});
    for (float y = top; y + 1 < bottom; y += 0.5f) // the last unit would round past the image
        for (float x = left; x + 1 < right; x += 0.5f)
            if (at(x, y).r > 200 && at(x, y).b > 200)
                box = sf::FloatRect({std::min(compat::left(box), x), std::min(compat::top(box), y)},
                                   {std::max(compat::width(box), x), std::max(compat::height(box), y)});
    return box;
}

TEST(Letterbox, EveryWindowSizeShowsThePictureWhereItBelongs) {
    ScreenDriver driver;
    ASSERT_TRUE(compat::openFont(game::arialFont, "Assets/Fonts/ARIAL.ttf"));
    const std::pair<sf::Vector2u, sf::IntRect> windows[] = {
        {{1366, 768}, {{0, 0}, {1366, 768}}}, {{1920, 1200}, {{0, 60}, {1920, 1080}}}, {{2560, 1440}, {{0, 0}, {2560, 1440}}},
        {{3440, 1440}, {{440, 0}, {2560, 1440}}}, {{1920, 1080}, {{0, 0}, {1920, 1080}}}};
    for (const auto& [size, shownAt] : windows) {
        SCOPED_TRACE(testing::Message() << size.x << " x " << size.y);
        game::window.setSize(size), picture = shownAt, driver.maxFrames = driver.script.framesEnded + 500;
        while (sf::Vector2f(game::screenWidth, game::screenHeight) != sf::Vector2f(size))
            sf::sleep(sf::milliseconds(5)), pollWindowEvents(); // as the game sees a player's resize
        EXPECT_EQ(game::window.getViewport(game::hudView), picture);
        const sf::Vector2i arenaEnd = game::window.mapCoordsToPixel({2256, 900}, game::gameView) - pixel(1900, 770);
        EXPECT_LE(std::abs(arenaEnd.x) + std::abs(arenaEnd.y), 2);

        driver.runScreen(mainMenu, {idle, idle, idle, idle, idle, idle, idle, idle, idle, idle, pressAt(960, 990)},
                         [](int frame) { shot = frame == 5 ? captureWindow() : shot; }); // "Quit Game"
        EXPECT_FALSE(std::exchange(game::appRunning, true));
        const sf::FloatRect version = whiteBox(0, 900, 600, 1080);
        EXPECT_TRUE(compat::left(version) < 5 && compat::height(version) > 1050 && compat::height(version) < 1078) << compat::height(version);

        driver.runScreen(statsScreen, {idle, idle, pressAt(120, 120)}), shot = captureWindow(); // leaves by "<"
        const sf::FloatRect stats = whiteBox(200, 0, 1920, 1080);
        EXPECT_NEAR(compat::left(stats) + compat::width(stats), 1920, 20); // centred on (960, 540)
        EXPECT_NEAR(compat::top(stats) + compat::height(stats), 1080, 20);

        // The frame behind the death screen: red up to (1500, 1000), where the panel
        // leaves it visible, and blue elsewhere, wherever a stale size says. "Restart" leaves.
        game::screenWidth /= 2;
        sf::RectangleShape blue({1920, 1080}), red({1500, 1000});
        blue.setFillColor(sf::Color::Blue), red.setFillColor(sf::Color::Red);
        game::window.draw(blue), game::window.draw(red), game::window.display();
        driver.runScreen(deathScreen, {idle, idle, pressAt(960, 590)},
                         [](int frame) { shot = frame == 2 ? captureWindow() : shot; });
        EXPECT_FALSE(std::exchange(game::showMainMenu, true));
        EXPECT_TRUE(at(30, 30).r > 150 && at(1450, 980).r > 150 && at(1550, 30).b > 150 && at(30, 1030).b > 150);
        EXPECT_TRUE(compat::left(picture) + compat::top(picture) == 0 // no bar
                    || compat::pixel(shot, unsigned(compat::left(picture) / 2), unsigned(compat::top(picture) / 2)) == sf::Color(8, 8, 8));
    }
}
