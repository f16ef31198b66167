// The pushwave sentry (kind 4) and its waves: nine segments in a line across the
// direction of fire that shove the player along instead of hurting.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>

constexpr float pushwaveBaseInterval = 2.1f;
constexpr float pushwaveBaseSpeed = 700.0f;
constexpr float pushwaveBaseRange = 2500.0f;
constexpr float pushwaveBasePushDistance = 400.0f;
constexpr std::int32_t pushwaveBaseDamage = 0;

struct PushwaveSentry {
    compat::Sprite sprite;
    float fireTimer = 0;
    sf::Vector2f position;
    sf::FloatRect bounds;                           // the sprite's local bounds
    float fireInterval = pushwaveBaseInterval;
    float aimAngle = 0;
    float projectileSpeed = pushwaveBaseSpeed;
    float projectileRange = pushwaveBaseRange;
    float maxPushDistance = pushwaveBasePushDistance; // how far one wave may carry the player
    std::int32_t damage = pushwaveBaseDamage;
};

struct Pushwave {
    compat::Sprite sprite;           // its own 40 x 40 slice of the wave strip
    sf::Vector2f position;       // centre of the segment
    sf::FloatRect bounds;
    float angle = 0;             // direction of travel, degrees
    float speed = 0;
    std::int32_t damage = 0;
    float maxPushDistance = 0;
    float maxDistance = 0;
    float distanceTravelled = 0;
    float pushedDistance = 0;    // how far this segment has carried the player
    std::int32_t waveId = 0;     // shared by the nine segments of one wave; a wave dies whole
    std::int16_t segmentIndex = 0; // -4..4, 0 in the middle
    bool hit = false;
    bool alive = true;

    void update();
};

void createPushwaveSentry(sf::Vector2f position);
void updatePushwaveSentry(PushwaveSentry& sentry);
void firePushwave(const PushwaveSentry& sentry);
