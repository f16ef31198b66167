// The laser sentry of the boss fight: it flies, spinning, to a random point, waits,
// flashes four warning lines along its row and column, then fires four growing
// beams along them. Warning lines and beams are both lasers, told apart by name.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>
#include <string>

struct LaserSentry {
    static constexpr std::int16_t flying = 0;  // flying, or waiting after it arrived
    static constexpr std::int16_t warning = 1; // its warning lines are out
    static constexpr std::int16_t firing = 2;  // its beams are out

    compat::Sprite sprite;
    float stateTimer = 0;          // seconds in the current state
    sf::Vector2f position;         // current centre
    sf::Vector2f destination;      // where it flies
    sf::FloatRect bounds;
    float spin = 0;                // rotation while flying, degrees
    float moveSpeed = 0;           // units per second of the current flight
    float travelTime = 0.9f;       // every flight takes this long
    float spinSpeed = 400.0f;      // degrees per second while flying
    float waitTime = 0.8f;         // pause after arriving, before the warning
    std::int16_t state = flying;   // one of the three above
    float alarmGap = 0.3f;         // pause between the warning and the beams
    float beamGrowSpeed = 4000.0f; // units per second
    float beamLifetime = 1.5f;
    float alarmLifetime = 0.2f;
    std::int32_t damage = 50;      // per frame of a beam's contact
};

struct Laser {
    compat::Sprite sprite;
    float lifeTimer = 0;
    sf::Vector2f position;     // where the line starts
    sf::FloatRect bounds;      // the player's hit test reads them
    float angle = 0;           // 0, 180, 90 or -90
    float growSpeed = 0;
    float length = 0;          // of a beam, growing
    float lifetime = 0;
    std::int32_t damage = 0;   // taken on every frame of contact
    std::string name;          // "alarm" for a warning line, which never hurts; "laserbeam"
    bool alive = true;

    Laser(const sf::Texture& texture, float x, float y, float angle, float growSpeed, float lifetime,
          std::int32_t damage, const std::string& name);
    void update();
};

// A laser sentry released at position, flying to a random point of the arena.
LaserSentry makeLaserSentry(sf::Vector2f position);
void updateLaserSentry(LaserSentry& sentry);
void raiseAlarm(LaserSentry& sentry);
void fireBeams(LaserSentry& sentry);
