// The HUD's pieces and its message feed.
#include "run/Hud.hpp"

#include "app/GameContext.hpp"
#include "ui/Text.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

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

std::int32_t truncateToInt32(float value) {
    if (std::isnan(value))
        return 0;
    // 2^31 is exactly a float; everything from there on is out of range.
    if (value >= 2147483648.0f)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0f)
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(value);
}

std::string formatTime(std::int32_t seconds) {
    std::string text;
    std::int32_t minutes = seconds / 60;
    // Hours appear only past 60 minutes, so the clock reads 60:59 before 1:01:00.
    if (minutes > 60) {
        const std::int32_t hours = seconds / 3600;
        text += std::to_string(hours) + ":";
        minutes = seconds / 60 - hours * 60;
    }
    if (minutes < 10)
        text += "0";
    text += std::to_string(minutes) + ":";
    if (seconds % 60 < 10)
        text += "0";
    text += std::to_string(seconds % 60);
    return text;
}
