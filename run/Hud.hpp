// The heads-up display under the arena and its ten-line message feed.
#pragma once

#include "app/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>
#include <string>

struct Hud {
    compat::Sprite infoBar;          // panel behind the message feed, at (10, 790)
    compat::Text messageText;        // shows messageLog, at (20, 817)
    std::string messageLog;      // the feed: never more than ten line breaks
    compat::Text timeText;           // "Time: " and the run clock, at (676, 860)
    compat::Sprite healthBarOutline; // at (576, 970)
    compat::Sprite healthBar;        // cropped from the right by health, at (576, 970)
    compat::Sprite heart;            // at (586, 860)

    Hud();

    // Appends a message and drops whole leading lines until ten line breaks remain.
    void pushMessage(const std::string& message);

    // Draws the HUD in screen space.
    void draw(sf::RenderTarget& target) const;
};
