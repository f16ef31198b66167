// The steps every turret and every straight-fired shot share when it is placed, and
// the spinning flights of the boss and its laser sentries.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <vector>

// A turret's sprite on its slot: scale 0.8, turning about a point 10 texture pixels
// behind the image's centre.
void seatTurret(compat::Sprite& sprite, const sf::Texture& texture, sf::Vector2f position);

// Places a turret of a kind on its slot: built on the texture, updated once so that
// it faces the player, seated, and added to the kind's sentries.
template <typename Sentry>
void placeTurret(std::vector<Sentry>& sentries, const sf::Texture& texture, sf::Vector2f position,
                 void (*update)(Sentry&)) {
    Sentry sentry;
    sentry.position = position;
    sentry.sprite.setTexture(texture);
    update(sentry);
    seatTurret(sentry.sprite, texture, position);
    sentries.push_back(sentry);
}

// Stands a turret's sprite at position and turns it to the player; returns the aim
// angle. The bounds are taken before the turn: in the world for the bullet sentry,
// in the sprite's own frame for the others, as they always were.
float aimTurret(compat::Sprite& sprite, sf::Vector2f position, sf::FloatRect& bounds, bool worldBounds);

// A turret's frame: its fire timer runs by the frame's seconds and it turns to the
// player. True when a shot is due.
template <typename Sentry>
bool turnTurret(Sentry& sentry, float seconds, bool worldBounds) {
    sentry.fireTimer += seconds;
    sentry.aimAngle = aimTurret(sentry.sprite, sentry.position, sentry.bounds, worldBounds);
    return sentry.fireTimer >= sentry.fireInterval;
}

// A frame of a flight that spins on the way, the sprite following: true on arrival,
// where the spin is back at 0. The bounds are taken after the turn.
bool spinningFlight(compat::Sprite& sprite, sf::FloatRect& bounds, sf::Vector2f& position, sf::Vector2f destination,
                    float& spin, float spinSpeed, float moveSpeed, float seconds);

// A shot's sprite of the texture at the scale, 30 units out of the muzzle at from
// along angle; returns where it stands. Its origin is half the scaled size, in
// texture pixels, so the pivot sits at half the scale of the image, not its centre.
sf::Vector2f launchShot(compat::Sprite& sprite, const sf::Texture& texture, float scale, sf::Vector2f from,
                        float angle);
