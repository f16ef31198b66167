// The HUD's pieces and its message feed.
#include "run/Hud.hpp"

#include "app/GameContext.hpp"
#include "ui/Text.hpp"

#include <algorithm>

Hud::Hud() {
    infoBar.setTexture(game::infoBarTexture);
    infoBar.setPosition({10, 790});

    messageText = makeText("", 21, sf::Text::Regular, sf::Color::White);
    messageText.setPosition({20, 817});

    timeText.setFont(game::sourceSansFont);
    timeText.setCharacterSize(100);
    timeText.setFillColor(sf::Color(250, 100, 150, 255));
    timeText.setStyle(sf::Text::Bold);
    timeText.setPosition({676, 860});

    healthBarOutline.setTexture(game::healthBarOutlineTexture);
    healthBarOutline.setPosition({576, 970});
    healthBar.setTexture(game::healthBarTexture);
    healthBar.setPosition({576, 970});
    heart.setTexture(game::heartTexture);
    heart.setPosition({586, 860});
}

void Hud::pushMessage(const std::string& message) {
    constexpr long maxLineBreaks = 10;
    messageLog += message;
    long excess = std::count(messageLog.begin(), messageLog.end(), '\n') - maxLineBreaks;
    if (excess > 0) {
        std::size_t cut = 0;
        while (excess-- > 0)
            cut = messageLog.find('\n', cut) + 1;
        messageLog.erase(0, cut);
    }
    messageText.setString(messageLog);
}

void Hud::draw(sf::RenderTarget& target) const {
    target.draw(messageText);
    target.draw(infoBar);
    target.draw(healthBar);
    target.draw(healthBarOutline);
    target.draw(heart);
    target.draw(timeText);
}
