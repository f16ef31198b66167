// The one factory for labels: every text of the game but the HUD clock and the
// death screen's is made here, in Arial.
#pragma once

#include <SFML/Graphics.hpp>
#include <string>

// An unpositioned text; style is sf::Text::Regular or sf::Text::Bold.
sf::Text makeText(const std::string& string, float characterSize, unsigned style, sf::Color colour);
