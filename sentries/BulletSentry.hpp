// The bullet sentry (kind 1) and the straight bullets it fires; the bullets fade
// from their own colours to red as they travel.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>

// Base statistics of a new bullet sentry; upgrades add multiples of them.
constexpr float bulletBaseInterval = 1.1f;
constexpr float bulletBaseSpeed = 650.0f;
constexpr float bulletBaseRange = 2500.0f;
constexpr std::int32_t bulletBaseDamage = 60;

struct BulletSentry {
    compat::Sprite sprite;                        // rotated to aimAngle
    float fireTimer = 0;                      // seconds toward the next shot
    sf::Vector2f position;                    // centre, on its spawn slot
    sf::FloatRect bounds;                     // global bounds, refreshed every frame
    float fireInterval = bulletBaseInterval;  // seconds between shots
    float aimAngle = 0;                       // degrees toward the player
    float spreadOffset = 0;                   // degrees off the aim line of the last shot
    float spreadRange = 8.0f;                 // shots stray 0..3 degrees, always to one side
    float projectileSpeed = bulletBaseSpeed;  // units per second of new bullets
    float projectileRange = bulletBaseRange;  // units a new bullet flies
    std::int32_t damage = bulletBaseDamage;
};

// A bullet flies straight until its range is spent or it hits the player; it does
// not stop at walls. The boss's bouncing ball is a kind of bullet with its own update.
struct Bullet {
    compat::Sprite sprite;
    sf::Vector2f position;
    sf::FloatRect bounds;         // global bounds; the player's hit test reads them
    float angle = 0;              // direction of flight, degrees
    float speed = 0;              // units per second
    std::int32_t damage = 0;
    float maxDistance = 0;
    float distanceTravelled = 0;
    bool hit = false;             // it has hurt the player
    bool alive = true;            // false once it is to be removed

    virtual void update();
};

// Sets up a fresh bullet of the texture at scale 0.75, 30 units out of the muzzle
// at from along angle; the boss's ring bullets, blades and balls are made alike.
void aimBullet(Bullet& shot, const sf::Texture& texture, sf::Vector2f from, float angle, float speed,
               float range, std::int32_t damage);

// Places a bullet sentry on a slot: one update step, then origin, scale, append.
void createBulletSentry(sf::Vector2f position);
void updateBulletSentry(BulletSentry& sentry);
void fireBullet(const BulletSentry& sentry);
