// The laser sentry of the boss fight and its warning lines and beams.
#pragma once

#include <SFML/Graphics.hpp>
#include <cstdint>
#include <string>

struct Laser {
    sf::Sprite sprite;
    sf::FloatRect bounds;
    std::int32_t damage = 0; // taken on every frame of contact
    std::string name;        // "alarm" for a warning line, which never hurts
    bool alive = true;
};

struct LaserSentry {
    sf::Sprite sprite;
    sf::Vector2f position;
};
