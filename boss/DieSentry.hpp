// The Zev Azirid, the boss of the last fight, and its bouncing balls.
#pragma once

#include "sentries/BulletSentry.hpp"

#include <SFML/Graphics.hpp>

// A boss bullet that bounces off the walls.
struct BounceBall : Bullet {
};

struct DieSentry {
    sf::Sprite sprite;
    sf::Vector2f position;
};
