// The steps every turret and every straight-fired shot share when it is placed.
#pragma once

#include "app/SfmlCompat.hpp"

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

// A shot's sprite of the texture at the scale, 30 units out of the muzzle at from
// along angle; returns where it stands. Its origin is half the scaled size, in
// texture pixels, so the pivot sits at half the scale of the image, not its centre.
sf::Vector2f launchShot(compat::Sprite& sprite, const sf::Texture& texture, float scale, sf::Vector2f from,
                        float angle);
