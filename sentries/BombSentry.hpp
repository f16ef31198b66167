// The bomb sentry and the bombs it drops where the player stands.
#pragma once

#include <SFML/Graphics.hpp>

struct Bomb {
    sf::Sprite sprite;
    sf::FloatRect bounds;
    bool alive = true;
    bool exploded = false; // the blast is showing and can hurt
    bool hit = false;
};

struct BombSentry {
    sf::Sprite sprite;
    sf::Vector2f position;
};
