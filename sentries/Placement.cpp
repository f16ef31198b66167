// Placing turrets and shots.
#include "sentries/Placement.hpp"

#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"

#include <cmath>

void seatTurret(compat::Sprite& sprite, const sf::Texture& texture, sf::Vector2f position) {
    const sf::Vector2u size = texture.getSize();
    sprite.setOrigin({size.x / 2.0f - 10, size.y / 2.0f});
    sprite.setPosition(position);
    sprite.setScale({0.8f, 0.8f});
}

float aimTurret(compat::Sprite& sprite, sf::Vector2f position, sf::FloatRect& bounds, bool worldBounds) {
    sprite.setPosition(position);
    bounds = worldBounds ? sprite.getGlobalBounds() : sprite.getLocalBounds();
    const float angle = aimAngle(position, game::playerPosition);
    compat::setRotation(sprite, angle);
    return angle;
}

bool spinningFlight(compat::Sprite& sprite, sf::FloatRect& bounds, sf::Vector2f& position, sf::Vector2f destination,
                    float& spin, float spinSpeed, float moveSpeed, float seconds) {
    spin += spinSpeed * seconds;
    const bool arrived = stepToward(position, destination, moveSpeed * seconds);
    if (arrived)
        spin = 0;
    compat::setRotation(sprite, spin);
    sprite.setPosition(position);
    bounds = sprite.getGlobalBounds();
    return arrived;
}

sf::Vector2f launchShot(compat::Sprite& sprite, const sf::Texture& texture, float scale, sf::Vector2f from,
                        float angle) {
    sprite.setTexture(texture);
    sprite.setScale({scale, scale});
    const sf::FloatRect scaled = sprite.getGlobalBounds();
    sprite.setOrigin({compat::width(scaled) / 2, compat::height(scaled) / 2});
    const float radians = angle * degreesToRadians;
    const sf::Vector2f position = from + 30.0f * sf::Vector2f(std::cos(radians), std::sin(radians));
    sprite.setPosition(position);
    return position;
}
