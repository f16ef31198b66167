// The steps every turret and every straight-fired shot share when it is placed.
#pragma once

#include "app/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>

// A turret's sprite on its slot: scale 0.8, turning about a point 10 texture pixels
// behind the image's centre.
void seatTurret(compat::Sprite& sprite, const sf::Texture& texture, sf::Vector2f position);

// A shot's sprite of the texture at the scale, 30 units out of the muzzle at from
// along angle; returns where it stands. Its origin is half the scaled size, in
// texture pixels, so the pivot sits at half the scale of the image, not its centre.
sf::Vector2f launchShot(compat::Sprite& sprite, const sf::Texture& texture, float scale, sf::Vector2f from,
                        float angle);
