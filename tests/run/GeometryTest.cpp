// The aiming angle that sentries and the boss turn their shots by.
#include "run/Geometry.hpp"

#include <gtest/gtest.h>

namespace {

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
