// A square box that flips a bool in place when clicked, filled while the bool is set.
#pragma once

#include "ui/FocusRing.hpp"

#include <SFML/Graphics.hpp>

struct Toggle {
    sf::RectangleShape box;     // the visible square
    sf::Color onColour;         // fill while the value is set; its alpha is not used
    bool* target;               // the value edited; never null
    bool changed = false;       // flipped at least once; never cleared, screens read it
    sf::FloatRect bounds;       // box's global bounds (outline included) at the last update
    float cooldown = 0.5f;      // seconds: minimum time between two flips
    float timer = 0;            // seconds since the toggle was built or last flipped
    Focus focus;                // from the screen's focus ring: left or right flips the value

    Toggle(float x, float y, float width, float height, float outlineThickness, sf::Color outlineColour,
           sf::Color onColour, bool* target);

    // Flips the value when the box is pressed and the cooldown has passed, or at a
    // left or right of the focus; sets the fill.
    void update();

    void draw(sf::RenderTarget& renderTarget) const;
};
