// The label factory.
#include "ui/Text.hpp"

#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"

compat::Text makeText(const std::string& string, float characterSize, unsigned style, sf::Color colour) {
    compat::Text text;
    text.setFont(game::arialFont);
    text.setStyle(style);
    text.setString(string);
    text.setFillColor(colour);
    text.setCharacterSize(static_cast<unsigned>(characterSize));
    return text;
}

compat::Text makeCentredText(const std::string& string, float characterSize, unsigned style, sf::Color colour,
                         sf::Vector2f centre) {
    compat::Text text = makeText(string, characterSize, style, colour);
    centreOrigin(text);
    text.setPosition(centre);
    return text;
}

compat::Text makeSideLabel(const std::string& string, float x, float y) {
    compat::Text label = makeText(string, 50, sf::Text::Regular, sf::Color::White);
    const sf::FloatRect bounds = label.getGlobalBounds();
    label.setOrigin({compat::width(bounds), compat::height(bounds) * 0.5f + 15});
    label.setPosition({x, y});
    return label;
}

void centreOrigin(compat::Text& text) {
    const sf::FloatRect bounds = text.getGlobalBounds();
    text.setOrigin({compat::width(bounds) * 0.5f, compat::height(bounds) * 0.5f});
}

sf::RectangleShape makePanel(sf::Vector2f position, sf::Vector2f size, sf::Color outline) {
    sf::RectangleShape panel(size);
    panel.setFillColor(sf::Color::Black);
    panel.setOutlineColor(outline);
    panel.setOutlineThickness(6);
    // Half of the outlined size: the filled area sits 6 units left of and above centre.
    const sf::FloatRect bounds = panel.getGlobalBounds();
    panel.setOrigin({compat::width(bounds) * 0.5f, compat::height(bounds) * 0.5f});
    panel.setPosition(position);
    return panel;
}
