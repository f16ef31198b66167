// Buttons: construction, hover fade and the level-triggered click.
#include "ui/Button.hpp"

#include "app/GameContext.hpp"
#include "persistence/SaveData.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"

#include <limits>
#include <utility>

Button::Button(float x, float y, float width, float height, const std::string& text,
               sf::Color colour, float outlineThickness)
    : colour(colour) {
    shape.setSize(sf::Vector2f(width, height));
    bounds = shape.getGlobalBounds();
    shape.setOrigin({compat::width(bounds) * 0.5f, compat::height(bounds) * 0.5f});
    shape.setPosition({x, y});
    shape.setFillColor(sf::Color::Transparent);
    shape.setOutlineThickness(outlineThickness);
    shape.setOutlineColor(colour);

    label.setFont(game::arialFont);
    label.setStyle(sf::Text::Bold);
    label.setString(text);
    label.setFillColor(colour);
    label.setCharacterSize(static_cast<unsigned>(double(height) / 2.2));
    // Three quarters, not a half: the text's bounds start below its top line, and
    // this sits the caption visually in the middle.
    const sf::FloatRect textBounds = label.getGlobalBounds();
    label.setOrigin({compat::width(textBounds) * 0.5f, compat::height(textBounds) * 0.75f});
    label.setPosition({x, y});

    if (colour.a < 69)
        maxFillAlpha = colour.a;
}

void Button::updateHover() {
    bounds = shape.getGlobalBounds();
    const sf::Vector2f mouse = input::mousePoint(game::window);
    const bool hovered = pointInRect(bounds, mouse.x, mouse.y) || focus.shown;

    fadeTimer += game::frameTime;
    // A transparent button never fades in: its step never comes.
    const float stepInterval = maxFillAlpha > 0 ? fadeTime / float(maxFillAlpha)
                                                : std::numeric_limits<float>::infinity();
    // The timer is not reset while no step happens, so after a rest the first step
    // of a new fade comes at once; the last step up overshoots to 70.
    if (hovered) {
        if (fadeTimer >= stepInterval && fillAlpha < maxFillAlpha) {
            fadeTimer = 0;
            fillAlpha += 5;
        }
        shape.setFillColor(sf::Color(colour.r, colour.g, colour.b, std::uint8_t(fillAlpha)));
        shape.setOutlineColor(sf::Color(colour.r, colour.g, colour.b, 192));
    } else {
        if (fadeTimer >= stepInterval && fillAlpha > 0) {
            fadeTimer = 0;
            fillAlpha -= 5;
        }
        shape.setFillColor(sf::Color(colour.r, colour.g, colour.b, std::uint8_t(fillAlpha)));
        shape.setOutlineColor(colour);
    }
}

bool Button::isClicked() {
    const sf::Vector2f mouse = input::mousePoint(game::window);
    // The focus press is taken here, so a screen that stops asking cannot find it again.
    const bool focusPress = std::exchange(focus.pressed, false);
    const bool pressed = (pointInRect(bounds, mouse.x, mouse.y) && input::leftButtonHeld()) || focusPress;
    // A held press is counted once per playback of the button sound.
    if (pressed && game::buttonSound.getStatus() != sf::SoundSource::Status::Playing) {
        game::buttonSound.play();
        countOnce(game::saveData.buttonsClicked);
    }
    return pressed;
}

void Button::draw(sf::RenderTarget& target) const {
    target.draw(shape);
    target.draw(label);
}

void updateHovers(std::initializer_list<Button*> buttons) {
    for (Button* button : buttons)
        button->updateHover();
}

void drawButtons(sf::RenderTarget& target, std::initializer_list<const Button*> buttons) {
    for (const Button* button : buttons)
        button->draw(target);
}
