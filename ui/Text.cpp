// The label factory.
#include "ui/Text.hpp"

#include "app/GameContext.hpp"

sf::Text makeText(const std::string& string, float characterSize, unsigned style, sf::Color colour) {
    sf::Text text;
    text.setFont(game::arialFont);
    text.setStyle(style);
    text.setString(string);
    text.setFillColor(colour);
    text.setCharacterSize(static_cast<unsigned>(characterSize));
    return text;
}
