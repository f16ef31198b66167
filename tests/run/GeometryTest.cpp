// The rectangle tests at their edges, and the aiming angle.
#include "run/Geometry.hpp"
#include "app/SfmlCompat.hpp"

#include <gtest/gtest.h>

namespace {

// Left and top edges belong to a rectangle, right and bottom do not; a negative
// size counts from the other side.
TEST(Geometry, PointsAndRectanglesAtTheEdges) {
    const sf::FloatRect b({0, 0}, {10, 10});
    const struct {
        sf::FloatRect r;
        float x, y;
        bool inside;
    } points[] = {{b, 0, 0, true}, {b, 9.999f, 9.999f, true}, {b, 10, 5, false}, {b, 5, 10, false},
                  {b, -0.001f, 5, false}, {{{10, 0}, {-10, 10}}, 5, 5, true}, {{{10, 10}, {-10, -10}}, 0, 0, true},
                  {{{10, 10}, {-10, -10}}, 10, 5, false}};
    for (const auto& p : points)
        EXPECT_EQ(pointInRect(p.r, p.x, p.y), p.inside) << p.x << ", " << p.y;

    // Inside needs all four corners; a corner test is not an overlap test.
    const struct {
        sf::FloatRect a;
        bool inside, corner;
    } rects[] = {
        {{{2, 2}, {4, 4}}, true, true},      {b, false, true},               {{{2, 2}, {8, 4}}, false, true},
        {{{2, 2}, {4, 8}}, false, true},     {{{-1, 2}, {4, 4}}, false, true},   {{{0, 0}, {9.5f, 9.5f}}, true, true},
        {{{8, 8}, {10, 10}}, false, true},   {{{-8, -8}, {10, 10}}, false, true}, {{{-5, 4}, {20, 2}}, false, false},
        {{{-1, -1}, {20, 20}}, false, false}, {{{10, 0}, {5, 5}}, false, false},  {{{-5, 0}, {5, 5}}, false, true}};
    for (const auto& r : rects) {
        EXPECT_EQ(rectInsideRect(r.a, b), r.inside) << compat::left(r.a) << ", " << compat::top(r.a);
        EXPECT_EQ(rectCornerInRect(r.a, b), r.corner) << compat::left(r.a) << ", " << compat::top(r.a);
    }
}

// Clockwise on screen (y points down); 180 degrees come out a little over, because
// the game divides by 3.14159.
TEST(Geometry, AimAngleUsesTheGamesPi) {
    const sf::Vector2f o(100, 100);
    EXPECT_FLOAT_EQ(aimAngle(o, {200, 100}), 0.0f);
    EXPECT_FLOAT_EQ(aimAngle(o, {100, 200}), 90.0f * 3.14159265f / 3.14159f);
    EXPECT_FLOAT_EQ(aimAngle(o, {100, 0}), -90.0f * 3.14159265f / 3.14159f);
    EXPECT_FLOAT_EQ(aimAngle(o, {0, 100}), 180.000152f);
}

} // namespace
