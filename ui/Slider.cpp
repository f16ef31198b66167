// Sliders: construction, the grab and drag of the knob, and the value text.
#include "ui/Slider.hpp"

#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"

#include <algorithm>
#include <string>
#include <utility>

Slider::Slider(float x, float y, float trackWidth, float trackHeight, std::int32_t minimum, std::int32_t maximum,
               std::int32_t* edited, sf::Color frameColour, sf::Color knobColour, float outlineThickness)
    : minValue(minimum), maxValue(maximum), target(edited), centreX(x), centreY(y), width(trackWidth),
      height(trackHeight) {
    // Origins come from the bounds before any outline is set, so they are the
    // shapes' own centres.
    track.setSize(sf::Vector2f(trackWidth, trackHeight));
    const sf::FloatRect trackBounds = track.getGlobalBounds();
    track.setOrigin({compat::width(trackBounds) * 0.5f, compat::height(trackBounds) * 0.5f});
    track.setPosition({x, y});
    track.setFillColor(sf::Color::Transparent);
    track.setOutlineThickness(outlineThickness);
    track.setOutlineColor(frameColour);

    knob.setRadius(2 * trackHeight);
    knob.setPointCount(30);
    const float radius = knob.getRadius();
    knob.setOrigin({radius, radius});
    knob.setPosition({x, y});
    knob.setFillColor(knobColour);
    knob.setOutlineThickness(outlineThickness);
    knob.setOutlineColor(frameColour);

    valueText.setFont(game::arialFont);
    valueText.setStyle(sf::Text::Bold);
    valueText.setFillColor(frameColour);
    valueText.setCharacterSize(static_cast<unsigned>(2 * radius));

    focus.sideways = Focus::Repeats;
    knobPosition.y = y;
    placeKnob();
    refreshText();
}

void Slider::placeKnob() {
    // Not clamped: a value from an edited save file that lies outside the range
    // shows the knob beyond the track's end until the player drags it back.
    const float fraction = (float(*target) - float(minValue)) / float(maxValue - minValue);
    knobPosition.x = centreX - width * 0.5f + width * fraction;
    knob.setPosition(knobPosition);
}

void Slider::update() {
    knobBounds = knob.getGlobalBounds();
    const sf::Vector2f mouse = input::mousePoint(game::window);

    // The knob, not the track, is what the player grabs, and only with the whole
    // pixel under the pointer inside it. Once grabbed it stays grabbed while the
    // button is held, wherever the pointer goes.
    if (!dragging) {
        const sf::FloatRect pointer({mouse.x, mouse.y}, {1, 1});
        dragging = rectInsideRect(pointer, knobBounds) && input::leftButtonHeld();
    } else if (!input::leftButtonHeld()) {
        dragging = false;
    }

    if (dragging) {
        const float left = centreX - width * 0.5f;
        const float right = centreX + width * 0.5f;
        knobPosition.x = std::min(right, std::max(left, mouse.x));
        knob.setPosition(knobPosition);

        // Rounded half up, so the middle of a step already shows the next value.
        float f = (knobPosition.x - left) / width * float(maxValue - minValue);
        const std::int32_t n = static_cast<std::int32_t>(f);
        if (double(f) >= double(n) + 0.5)
            f = float(n + 1);
        *target = static_cast<std::int32_t>(float(minValue) + f);
    }

    if (const int steps = std::exchange(focus.steps, 0)) {
        // Summed wide: a value edited in the save may lie at the edge of an int.
        const std::int64_t stepped = std::int64_t(*target) + steps;
        *target = std::int32_t(std::clamp<std::int64_t>(stepped, minValue, maxValue));
        placeKnob();
    }
    refreshText();
}

void Slider::refreshText() {
    valueText.setString(std::to_string(*target));
    // Only the size of the bounds matters: the text is centred on its own box,
    // wherever it stood before.
    const sf::FloatRect textBounds = valueText.getGlobalBounds();
    valueText.setOrigin({compat::width(textBounds) * 0.5f, compat::height(textBounds) * 0.5f});
    valueText.setPosition({knobPosition.x, knobPosition.y - 3 * knob.getRadius()});
}

void Slider::draw(sf::RenderTarget& renderTarget) const {
    renderTarget.draw(track);
    renderTarget.draw(knob);
    renderTarget.draw(valueText);
    const float radius = knob.getRadius();
    const sf::FloatRect around({centreX - width * 0.5f - radius, centreY - radius}, {width + 2 * radius, 2 * radius});
    drawFocusOutline(renderTarget, focus, around);
}
