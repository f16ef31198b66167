// The heads-up display under the arena and its ten-line message feed.
#pragma once

#include "platform/SfmlCompat.hpp"

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

// A float truncated toward zero to an int32; beyond the range, its nearest limit
// (a statistic from an edited save may lie there), and 0 for no number at all.
std::int32_t truncateToInt32(float value);

// Whole seconds as "mm:ss", or "h:mm:ss" from 61 minutes on: 75 gives "01:15".
std::string formatTime(std::int32_t seconds);
