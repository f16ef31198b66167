// Any window size: the 1920 x 1080 picture keeps its shape inside bars of (8, 8, 8),
// and texts, the blurred backdrop and presses land where they do at 1920 x 1080.
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/MainMenu.hpp"
#include "screens/StatsScreen.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

namespace {

// A capture and the window rectangle of the picture in it, read in screen units.
struct Shot {
    sf::Image image = captureWindow();
    sf::IntRect picture;
    sf::Vector2u pixel(float x, float y) const {
        return {unsigned(picture.left + x * picture.width / 1920 + 0.5f),
                unsigned(picture.top + y * picture.height / 1080 + 0.5f)};
    }
    bool red(float x, float y) const {
        const sf::Color c = image.getPixel(pixel(x, y).x, pixel(x, y).y);
        return c.r > 150 && c.b < 100;
    }
    // The box, in screen units, around the white pixels of an area.
    sf::FloatRect whiteBox(float left, float top, float right, float bottom) const {
        float x0 = 1e9f, y0 = 1e9f, x1 = -1, y1 = -1;
        for (unsigned y = pixel(0, top).y; y < pixel(0, bottom).y; y++)
            for (unsigned x = pixel(left, 0).x; x < pixel(right, 0).x; x++)
                if (image.getPixel(x, y).r > 200 && image.getPixel(x, y).b > 200) {
                    const float ux = (float(x) - picture.left) * 1920 / picture.width;
                    const float uy = (float(y) - picture.top) * 1080 / picture.height;
                    x0 = std::min(x0, ux), y0 = std::min(y0, uy), x1 = std::max(x1, ux), y1 = std::max(y1, uy);
                }
        return {x0, y0, x1 - x0, y1 - y0};
    }
};

TEST(Letterbox, EveryWindowSizeShowsThePictureWhereItBelongs) {
    ScreenDriver driver;
    ASSERT_TRUE(game::arialFont.loadFromFile("Assets/Fonts/ARIAL.ttf"));
    struct Row { unsigned width, height; sf::IntRect picture; };
    for (const Row& row : {Row{1366, 768, {0, 0, 1366, 768}}, Row{1920, 1200, {0, 60, 1920, 1080}},
                           Row{2560, 1440, {0, 0, 2560, 1440}}, Row{3440, 1440, {440, 0, 2560, 1440}},
                           Row{1920, 1080, {0, 0, 1920, 1080}}}) {
        SCOPED_TRACE(std::to_string(row.width) + " x " + std::to_string(row.height));
        game::window.setSize({row.width, row.height});
        // The event pump sees the resize, as it would a player's.
        for (int i = 0; i < 300 && sf::Vector2f(game::screenWidth, game::screenHeight) != sf::Vector2f(float(row.width), float(row.height));
             i++, sf::sleep(sf::milliseconds(10)))
            pollWindowEvents();
        ASSERT_EQ(game::window.getSize(), sf::Vector2u(row.width, row.height));
        EXPECT_EQ(game::window.getViewport(game::hudView), row.picture);
        Shot at{sf::Image(), row.picture};
        const sf::Vector2i arenaEnd = game::window.mapCoordsToPixel({2256, 900}, game::gameView);
        EXPECT_NEAR(arenaEnd.x, at.pixel(1900, 770).x, 1); // the arena ends at (1900, 770)
        EXPECT_NEAR(arenaEnd.y, at.pixel(1900, 770).y, 1);

        // The main menu: the version text in the bottom-left corner, then "Quit Game".
        std::vector<Frame> frames(10, idle);
        frames.push_back(press(float(at.pixel(960, 990).x), float(at.pixel(960, 990).y)));
        driver.runScreen(mainMenu, frames, [&](int frame) { if (frame == 5) at.image = captureWindow(); });
        EXPECT_FALSE(game::appRunning);
        game::appRunning = true;
        const sf::FloatRect version = at.whiteBox(0, 900, 600, 1080);
        EXPECT_LT(version.left, 5);
        EXPECT_NEAR(version.top + version.height, 1065, 12);

        // The stats block centred on the picture; "<" leaves.
        driver.runScreen(statsScreen, {idle, idle, press(float(at.pixel(120, 120).x), float(at.pixel(120, 120).y))});
        at.image = captureWindow();
        const sf::FloatRect stats = at.whiteBox(200, 0, 1920, 1080);
        EXPECT_NEAR(stats.left + stats.width / 2, 960, 10);
        EXPECT_NEAR(stats.top + stats.height / 2, 540, 10);

        // The death screen's backdrop covers the picture as the frame behind it did: red
        // up to (1500, 1000), with edges beside the panel, blue elsewhere; the bars stay
        // (8, 8, 8). "Restart" leaves.
        game::window.clear(sf::Color(8, 8, 8));
        sf::RectangleShape blue({1920, 1080}), red({1500, 1000});
        blue.setFillColor(sf::Color::Blue), red.setFillColor(sf::Color::Red);
        game::window.draw(blue), game::window.draw(red);
        game::window.display();
        driver.runScreen(deathScreen, {idle, idle, press(float(at.pixel(960, 590).x), float(at.pixel(960, 590).y))},
                         [&](int frame) { if (frame == 2) at.image = captureWindow(); });
        EXPECT_FALSE(game::showMainMenu);
        game::showMainMenu = true;
        EXPECT_TRUE(at.red(30, 30) && at.red(1450, 980));
        EXPECT_FALSE(at.red(1550, 30) || at.red(30, 1030));
        const sf::Vector2u bar(row.picture.left / 2 + (row.picture.left ? 0 : row.width / 2),
                               row.picture.top / 2 + (row.picture.top ? 0 : row.height / 2));
        if (row.picture.left + row.picture.top > 0) {
            EXPECT_EQ(at.image.getPixel(bar.x, bar.y), sf::Color(8, 8, 8));
        }
    }
}

} // namespace
