// Rectangle hit tests and the aiming angle.
#include "run/Geometry.hpp"

#include "platform/SfmlCompat.hpp"

#include <algorithm>
#include <cmath>

bool pointInRect(const sf::FloatRect& r, float x, float y) {
    const float x1 = std::min(compat::left(r), compat::left(r) + compat::width(r));
    const float x2 = std::max(compat::left(r), compat::left(r) + compat::width(r));
    const float y1 = std::min(compat::top(r), compat::top(r) + compat::height(r));
    const float y2 = std::max(compat::top(r), compat::top(r) + compat::height(r));
    return x >= x1 && x < x2 && y >= y1 && y < y2;
}

bool rectInsideRect(const sf::FloatRect& a, const sf::FloatRect& b) {
    const float right = compat::left(a) + compat::width(a);
    const float bottom = compat::top(a) + compat::height(a);
    return pointInRect(b, compat::left(a), compat::top(a)) && pointInRect(b, right, compat::top(a))
        && pointInRect(b, compat::left(a), bottom) && pointInRect(b, right, bottom);
}

bool rectCornerInRect(const sf::FloatRect& a, const sf::FloatRect& b) {
    const float right = compat::left(a) + compat::width(a);
    const float bottom = compat::top(a) + compat::height(a);
    return pointInRect(b, compat::left(a), compat::top(a)) || pointInRect(b, right, compat::top(a))
        || pointInRect(b, compat::left(a), bottom) || pointInRect(b, right, bottom);
}

float aimAngle(sf::Vector2f p, sf::Vector2f q) {
    // The game has always turned radians into degrees with 3.14159, not with pi.
    return static_cast<float>(std::atan2(double(q.y - p.y), double(q.x - p.x)) * 180.0 / 3.14159);
}

float length(sf::Vector2f v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

bool stepToward(sf::Vector2f& position, sf::Vector2f destination, float distance) {
    const float radians = aimAngle(position, destination) * degreesToRadians;
    const sf::Vector2f step = distance * sf::Vector2f(std::cos(radians), std::sin(radians));
    const sf::Vector2f remaining = destination - position;
    if (step.x * step.x + step.y * step.y >= remaining.x * remaining.x + remaining.y * remaining.y) {
        position = destination;
        return true;
    }
    position += step;
    return false;
}
