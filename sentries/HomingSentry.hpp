// The homing sentry and the projectiles that steer toward the player.
#pragma once

#include <SFML/Graphics.hpp>

struct HomingProjectile {
    sf::Sprite sprite;
    sf::FloatRect bounds;
    bool alive = true;
    bool hit = false;
};

struct HomingSentry {
    sf::Sprite sprite;
    sf::Vector2f position;
};
