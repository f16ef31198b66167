// A clickable rectangle with a centred bold label. A button has no callback: its
// screen calls updateHover() every frame, then asks isClicked().
#pragma once

#include "platform/SfmlCompat.hpp"
#include "ui/FocusRing.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>
#include <initializer_list>
#include <string>

struct Button {
    sf::RectangleShape shape;     // transparent until hovered; outlined in the colour
    compat::Text label;
    sf::FloatRect bounds;         // shape's global bounds at the last hover update
    sf::Color colour;             // of outline, label and fill
    float fadeTime = 0.9f;        // seconds a whole fade-in is paced over
    std::int32_t maxFillAlpha = 69;
    float fadeTimer = 0;          // seconds since the last fade step
    std::int16_t fillAlpha = 0;
    Focus focus;                  // from the screen's focus ring: looks hovered while shown

    Button(float x, float y, float width, float height, const std::string& text,
           sf::Color colour, float outlineThickness);

    // Refreshes bounds and fades the fill one step of 5 toward its hover state.
    void updateHover();

    // True on every frame the left button is held over the button, and on the frame
    // a focus press begins on it; a press that finds the button sound silent starts
    // it and counts in buttonsClicked.
    bool isClicked();

    void draw(sf::RenderTarget& target) const;
};

// The hover update of each, in order: a screen's buttons every frame.
void updateHovers(std::initializer_list<Button*> buttons);

// Each drawn in order.
void drawButtons(sf::RenderTarget& target, std::initializer_list<const Button*> buttons);
