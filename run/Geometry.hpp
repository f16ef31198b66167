// Rectangle hit tests and the aiming angle. Every hit in the game is one of the
// rectangle tests below; which one a caller picks decides how generous it is.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

// Sentries and the boss turn degrees into radians with this factor.
constexpr float degreesToRadians = 0.01745328f;

// The rule of sf::FloatRect::contains: left and top edges inside, right and bottom
// edges outside; negative sizes count from the other side.
bool pointInRect(const sf::FloatRect& r, float x, float y);

// All four corners of a lie in b; so a is never inside an identical copy of itself.
bool rectInsideRect(const sf::FloatRect& a, const sf::FloatRect& b);

// At least one corner of a lies in b. Not an overlap test: two rectangles crossing
// like a plus sign, or an a that swallows b, give false.
bool rectCornerInRect(const sf::FloatRect& a, const sf::FloatRect& b);

// Degrees from p toward q: 0 along +x, growing clockwise on screen (y points down).
float aimAngle(sf::Vector2f p, sf::Vector2f q);

// Length of a vector.
float length(sf::Vector2f v);

// Moves position by distance toward destination along the aim angle; lands on the
// destination, and returns true, when the step would reach or pass it.
bool stepToward(sf::Vector2f& position, sf::Vector2f destination, float distance);
