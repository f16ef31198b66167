// The blurred snapshot of the last frame behind the pause menu and the death screen.
#pragma once

#include <SFML/Graphics/Texture.hpp>

// A copy of what the window shows, at the window's size in pixels.
sf::Texture windowSnapshot();

// One pass of the blur shader over the source, into a new texture of its size.
sf::Texture blurTexture(const sf::Texture& source);
