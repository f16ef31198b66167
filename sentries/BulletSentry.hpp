// The bullet sentry and the straight bullets it fires.
#pragma once

#include <SFML/Graphics.hpp>

struct Bullet {
    sf::Sprite sprite;
    sf::FloatRect bounds; // the sprite's global bounds
    bool alive = true;    // false once it hit, ran out of range or left the arena
    bool hit = false;     // it has already hurt the player
};

struct BulletSentry {
    sf::Sprite sprite;
    sf::Vector2f position; // centre of the sentry, on its spawn slot
};
