// The pushwave sentry and the wave segments that carry the player away.
#pragma once

#include <SFML/Graphics.hpp>
#include <cstdint>

struct Pushwave {
    sf::Sprite sprite;
    sf::FloatRect bounds;
    bool alive = true;
    bool hit = false;
    std::int16_t waveId = 0; // shared by every segment fired together; a wave dies whole
};

struct PushwaveSentry {
    sf::Sprite sprite;
    sf::Vector2f position;
};
