// The rectangle tests at their edges, and the aiming angle.
#include "run/Geometry.hpp"

#include <gtest/gtest.h>

namespace {

TEST(PointInRect, LeftAndTopEdgesBelongRightAndBottomDoNot) {
    const sf::FloatRect r(0, 0, 10, 10);
    EXPECT_TRUE(pointInRect(r, 0, 0));
    EXPECT_TRUE(pointInRect(r, 9.999f, 9.999f));
    EXPECT_FALSE(pointInRect(r, 10, 5));
    EXPECT_FALSE(pointInRect(r, 5, 10));
    EXPECT_FALSE(pointInRect(r, -0.001f, 5));
}

TEST(PointInRect, NegativeSizesCountFromTheOtherSide) {
    EXPECT_TRUE(pointInRect(sf::FloatRect(10, 0, -10, 10), 5, 5));
    EXPECT_TRUE(pointInRect(sf::FloatRect(10, 10, -10, -10), 0, 0));
    EXPECT_FALSE(pointInRect(sf::FloatRect(10, 10, -10, -10), 10, 5));
}

TEST(RectInsideRect, NeedsAllFourCornersStrictlyBeforeTheFarEdges) {
    const sf::FloatRect b(0, 0, 10, 10);
    EXPECT_TRUE(rectInsideRect(sf::FloatRect(2, 2, 4, 4), b));
    EXPECT_FALSE(rectInsideRect(b, b)); // the far corners lie on excluded edges
    EXPECT_FALSE(rectInsideRect(sf::FloatRect(2, 2, 8, 4), b));
    EXPECT_FALSE(rectInsideRect(sf::FloatRect(2, 2, 4, 8), b));
    EXPECT_FALSE(rectInsideRect(sf::FloatRect(-1, 2, 4, 4), b));
    EXPECT_TRUE(rectInsideRect(sf::FloatRect(0, 0, 9.5f, 9.5f), b));
}

TEST(RectCornerInRect, IsACornerTestNotAnOverlapTest) {
    const sf::FloatRect b(0, 0, 10, 10);
    EXPECT_TRUE(rectCornerInRect(sf::FloatRect(8, 8, 10, 10), b));   // top-left inside
    EXPECT_TRUE(rectCornerInRect(sf::FloatRect(-8, -8, 10, 10), b)); // bottom-right inside
    EXPECT_FALSE(rectCornerInRect(sf::FloatRect(-5, 4, 20, 2), b));  // the plus sign
    EXPECT_FALSE(rectCornerInRect(sf::FloatRect(-1, -1, 20, 20), b)); // swallows b
    EXPECT_FALSE(rectCornerInRect(sf::FloatRect(10, 0, 5, 5), b));   // touches the right edge
    EXPECT_TRUE(rectCornerInRect(sf::FloatRect(-5, 0, 5, 5), b));    // right corners on b's left edge
}

TEST(AimAngle, GrowsClockwiseOnScreenAndUsesTheGamesPi) {
    const sf::Vector2f origin(100, 100);
    EXPECT_FLOAT_EQ(aimAngle(origin, {200, 100}), 0.0f);
    EXPECT_FLOAT_EQ(aimAngle(origin, {100, 200}), 90.0f * 3.14159265f / 3.14159f); // y points down
    EXPECT_FLOAT_EQ(aimAngle(origin, {100, 0}), -90.0f * 3.14159265f / 3.14159f);
    // 180 degrees come out a little over 180, because the divisor is 3.14159.
    EXPECT_FLOAT_EQ(aimAngle(origin, {0, 100}), 180.000152f);
}

} // namespace
