// The homing sentry (kind 2) and the projectiles that steer toward the player.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>

constexpr float homingBaseInterval = 1.4f;
constexpr float homingBaseSpeed = 780.0f;
constexpr float homingBaseRange = 1800.0f;
constexpr std::int32_t homingBaseDamage = 50;
constexpr float homingBaseTurnRate = 1.4f;

struct HomingSentry {
    compat::Sprite sprite;
    float fireTimer = 0;
    sf::Vector2f position;
    sf::FloatRect bounds;                     // the sprite's local bounds
    float spreadOffset = 0;
    float fireInterval = homingBaseInterval;
    float aimAngle = 0;
    float spreadRange = 30.0f;                // shots stray -15..14 degrees
    float projectileSpeed = homingBaseSpeed;
    float projectileRange = homingBaseRange;
    std::int32_t damage = homingBaseDamage;
    float turnRate = homingBaseTurnRate;      // new projectiles turn at most 90 x this degrees a second
};

struct HomingProjectile {
    compat::Sprite sprite;
    sf::Vector2f position;
    sf::FloatRect bounds;
    float angle = 0;              // current heading, degrees
    float speed = 0;
    float turnRate = 0;
    std::int32_t damage = 0;
    float maxDistance = 0;
    float distanceTravelled = 0;
    bool hit = false;
    bool alive = true;

    // Steers a tenth of the way toward the player, within the turn limit, moves,
    // and dies on its range or on touching a wall.
    void update();
};

// A homing shot of the texture at scale 1.3, 30 units out of the muzzle at from.
HomingProjectile makeHomingProjectile(const sf::Texture& texture, sf::Vector2f from, float angle, float speed,
                                      float turnRate, float range, std::int32_t damage);

void createHomingSentry(sf::Vector2f position);
void updateHomingSentry(HomingSentry& sentry);
void fireHoming(const HomingSentry& sentry);
