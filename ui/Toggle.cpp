// Toggles: construction and the click that flips the value.
#include "ui/Toggle.hpp"

#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"

#include <utility>

Toggle::Toggle(float x, float y, float width, float height, float outlineThickness, sf::Color outlineColour,
               sf::Color on, bool* edited)
    : onColour(on), target(edited) {
    box.setSize(sf::Vector2f(width, height));
    const sf::FloatRect boxBounds = box.getGlobalBounds(); // before the outline: the square itself
    box.setOrigin({compat::width(boxBounds) * 0.5f, compat::height(boxBounds) * 0.5f});
    box.setPosition({x, y});
    box.setFillColor(sf::Color::Transparent);
    box.setOutlineColor(outlineColour);
    box.setOutlineThickness(outlineThickness);
    focus.sideways = Focus::Once;
}

void Toggle::update() {
    timer += game::frameTime;
    bounds = box.getGlobalBounds();
    const sf::Vector2f mouse = input::mousePoint(game::window);

    // The press is level-triggered: a held button flips the value again after
    // every cooldown, and the first flip waits a cooldown after the screen opens.
    // A left or right of the focus flips at once: it is one press, not a held button.
    const bool stepped = std::exchange(focus.steps, 0) != 0;
    if (stepped || (pointInRect(bounds, mouse.x, mouse.y) && input::leftButtonHeld() && timer >= cooldown)) {
        changed = true;
        *target = !*target;
        timer = 0;
    }

    box.setFillColor(*target ? sf::Color(onColour.r, onColour.g, onColour.b, 192) : sf::Color::Transparent);
}

void Toggle::draw(sf::RenderTarget& renderTarget) const {
    renderTarget.draw(box);
    drawFocusOutline(renderTarget, focus, box.getGlobalBounds());
}
