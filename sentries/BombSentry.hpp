// The bomb sentry (kind 3) and the bombs it drops where the player stands: a fading
// marker during the fuse, then a blast that hurts once.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>

constexpr float bombBaseInterval = 2.5f;
constexpr float bombBaseDelay = 1.75f;
constexpr std::int32_t bombBaseDamage = 200;

struct BombSentry {
    compat::Sprite sprite;                     // frame 0 idle, frame 1 armed (96 x 96 each)
    float fireTimer = 0;
    float armedTimer = 0;                  // seconds since the last drop while armed
    bool armed = false;                    // from a drop until its fuse has burnt
    sf::Vector2f position;
    sf::FloatRect bounds;                  // the sprite's local bounds
    float fireInterval = bombBaseInterval;
    float explosionDelay = bombBaseDelay;  // fuse of new bombs, seconds
    std::int32_t damage = bombBaseDamage;
};

struct Bomb {
    compat::Sprite sprite;           // 300 x 300 frames: the marker, then three blast frames
    float stepTimer = 0;         // seconds toward the next fade or blast step
    std::int32_t frame = 0;
    float stateTimer = 0;        // seconds in the fuse or in the blast
    float blastDuration = 0.25f;
    sf::Vector2f target;         // centre: where the player stood at the drop
    sf::FloatRect bounds;        // the 450 x 450 square around target
    std::int32_t alpha = 162;    // marker opacity during the fuse
    bool hit = false;
    bool alive = true;
    bool exploded = false;       // the blast is on and can hurt
    float explosionDelay = 0;
    std::int32_t damage = 0;

    void update();
};

// Places a bomb sentry on a slot. It reseeds the game's generator with the time, as it always has.
void createBombSentry(sf::Vector2f position);
void updateBombSentry(BombSentry& sentry);
void dropBomb(const BombSentry& sentry);

// A bomb of the given fuse and damage centred on target.
void dropBombAt(sf::Vector2f target, float explosionDelay, std::int32_t damage);
