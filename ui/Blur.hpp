// The blurred snapshot of the last frame behind the pause menu and the death screen.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

// A copy of what the window shows, at the window's size in pixels.
sf::Texture windowSnapshot();

// One pass of the blur shader over the source, into a new texture of its size.
sf::Texture blurTexture(const sf::Texture& source);

// The blurred snapshot as a sprite of hudView: the window's 16:9 picture cut out of
// it and scaled over the 1920 x 1080 view, so that it lies where that frame was.
compat::Sprite backdropSprite(const sf::Texture& blurred);

// Begins the picture of an overlay screen: the backdrop, its panel and its title.
void drawOverlay(const compat::Sprite& backdrop, const sf::RectangleShape& panel, const compat::Text& title);
