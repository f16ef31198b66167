// A round knob dragged along a horizontal track; it writes an int in place while
// the player drags, and shows the value above the knob.
#pragma once

#include "platform/SfmlCompat.hpp"
#include "ui/FocusRing.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>

struct Slider {
    sf::RectangleShape track;     // transparent bar with an outline in the frame colour
    sf::CircleShape knob;         // radius 2 x height, centred on the track's axis
    compat::Text valueText;           // the value, centred 3 knob radii above the knob
    std::int32_t minValue;        // value at the track's left end
    std::int32_t maxValue;        // value at the track's right end
    std::int32_t* target;         // the value edited; never null
    sf::FloatRect knobBounds;     // knob's global bounds (outline included) at the last update
    bool dragging = false;        // the player holds the knob
    float centreX;                // screen units: centre of the track
    float centreY;
    float width;                  // screen units: length of the track
    float height;                 // screen units: thickness of the track
    sf::Vector2f knobPosition;    // centre of the knob; y is always centreY
    Focus focus;                  // from the screen's focus ring: left and right step the value by 1

    Slider(float x, float y, float width, float height, std::int32_t minValue, std::int32_t maxValue,
           std::int32_t* target, sf::Color frameColour, sf::Color knobColour, float outlineThickness);

    // Grabs the knob, drags it and writes the value, or steps it for the focus;
    // refreshes the text last.
    void update();

    // Puts the knob where the target's value lies on the track.
    void placeKnob();

    // Shows the target's value, centred above the knob.
    void refreshText();

    // Track, knob, then the value; the focus outline around track and knob.
    void draw(sf::RenderTarget& renderTarget) const;
};
