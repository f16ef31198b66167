// The laser sentry of the boss fight and its warning lines and beams.
#pragma once

#include <SFML/Graphics.hpp>
#include <string>

struct Laser {
    sf::Sprite sprite;
    sf::FloatRect bounds;
    bool alive = true;
    std::string name; // "alarm" for a warning line, which never hurts
};

struct LaserSentry {
    sf::Sprite sprite;
    sf::Vector2f position;
};
