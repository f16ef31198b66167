// The factory for labels in Arial, and the few texts and shapes screens build alike.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <string>

// An unpositioned text; style is sf::Text::Regular or sf::Text::Bold.
compat::Text makeText(const std::string& string, float characterSize, unsigned style, sf::Color colour);

// A text centred on centre: its origin at the centre of its bounds.
compat::Text makeCentredText(const std::string& string, float characterSize, unsigned style, sf::Color colour,
                         sf::Vector2f centre);

// A setting's label, size 50: it ends at (x, y) and sits beside its widget.
compat::Text makeSideLabel(const std::string& string, float x, float y);

// Puts the text's origin at the centre of its bounds, as every centred label has it.
void centreOrigin(compat::Text& text);

// A black panel with an outline of 6, its origin at the centre of its outlined bounds.
sf::RectangleShape makePanel(sf::Vector2f position, sf::Vector2f size, sf::Color outline);
