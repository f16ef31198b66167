// The player's keyboard movement.
#include "run/Player.hpp"

#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "run/Geometry.hpp"

#include <algorithm>
#include <cmath>

namespace {

bool eitherHeld(sf::Keyboard::Key a, sf::Keyboard::Key b) {
    return input::keyHeld(a) || input::keyHeld(b);
}

// One axis of a step: taken whole, or refused whole if it puts a corner of the
// player into a wall.
void stepAxis(sf::Sprite& sprite, float& coordinate, float delta) {
    coordinate += delta;
    sprite.setPosition(game::playerPosition);
    game::playerBounds = sprite.getGlobalBounds();
    for (const sf::FloatRect& wall : game::arenaWalls) {
        if (rectCornerInRect(game::playerBounds, wall)) {
            coordinate -= delta;
            sprite.setPosition(game::playerPosition);
            game::playerBounds = sprite.getGlobalBounds();
        }
    }
}

} // namespace

void Player::move() {
    currentSpeed = std::min(currentSpeed + (maxSpeed / accelerationTime) * game::frameTime, maxSpeed);

    // Opposite keys cancel; diagonals are not normalised.
    const bool up = eitherHeld(sf::Keyboard::W, sf::Keyboard::Up);
    const bool left = eitherHeld(sf::Keyboard::A, sf::Keyboard::Left);
    const bool down = eitherHeld(sf::Keyboard::S, sf::Keyboard::Down);
    const bool right = eitherHeld(sf::Keyboard::D, sf::Keyboard::Right);
    float dx = 0, dy = 0;
    if (up)
        moving = true, dy = -currentSpeed * game::frameTime;
    if (left)
        moving = true, dx = -currentSpeed * game::frameTime;
    if (down)
        moving = true, dy = dy + currentSpeed * game::frameTime;
    if (right)
        moving = true, dx = dx + currentSpeed * game::frameTime;
    if (!up && !left && !down && !right)
        currentSpeed = 0; // every new press accelerates from standstill

    stepAxis(sprite, game::playerPosition.x, dx);
    stepAxis(sprite, game::playerPosition.y, dy);

    // The requested step counts, even when a wall refused it.
    game::saveData.distanceTravelled += std::sqrt(dx * dx + dy * dy);
}
