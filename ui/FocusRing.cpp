// The focus ring: which widget has the focus, and what it is asked to do.
#include "ui/FocusRing.hpp"

#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"

#include <algorithm>

namespace {

constexpr float firstRepeat = 0.4f; // seconds a left or right is held before a slider runs
constexpr float repeatEvery = 0.05f;
static_assert(int(input::Command::Confirm) == 4, "the ring reads the first five commands");

} // namespace

void drawFocusOutline(sf::RenderTarget& target, const Focus& focus, const sf::FloatRect& around) {
    if (!focus.shown)
        return;
    const float margin = 16;
    sf::RectangleShape outline(sf::Vector2f(compat::width(around) + 2 * margin, compat::height(around) + 2 * margin));
    outline.setPosition({compat::left(around) - margin, compat::top(around) - margin});
    outline.setFillColor(sf::Color::Transparent);
    outline.setOutlineThickness(4);
    outline.setOutlineColor(sf::Color(255, 255, 255, 192));
    target.draw(outline);
}

sf::Vector2i FocusRing::pointer() {
    return input::mousePixel(game::window);
}

void FocusRing::showFirst() {
    mouse = pointer();
    index = 0;
    shown = !members.empty();
    const bool windowFocus = input::hasFocus(game::window);
    for (int c = 0; c < 5; c++)
        held[c] = windowFocus && input::commandHeld(input::Command(c));
}

void FocusRing::update() {
    using input::Command;
    const sf::Vector2i now = pointer();
    if (now != mouse)
        shown = false;
    mouse = now;

    // Each command acts when its press begins. Keys typed into another window are
    // not meant for the game, so without the focus nothing reads as held.
    const bool windowFocus = input::hasFocus(game::window);
    bool began[5];
    for (int c = 0; c < 5; c++) {
        const bool isHeld = windowFocus && input::commandHeld(Command(c));
        began[c] = isHeld && !held[c];
        held[c] = isHeld;
    }
    const int up = int(Command::Up), left = int(Command::Left), down = int(Command::Down),
              right = int(Command::Right);

    const Focus* focused = shown && index >= 0 ? members[index] : nullptr;
    const bool sideways = focused && focused->sideways != Focus::Moves;
    int steps = 0;
    if (began[up] || began[down] || (!sideways && (began[left] || began[right]))) {
        // The first press only shows the focus, where it was or on the first widget.
        const int move = began[down] - began[up] + (sideways ? 0 : began[right] - began[left]);
        const int count = int(members.size());
        index = shown ? ((index + move) % count + count) % count : std::max(index, 0);
        shown = count > 0;
        repeatTimer = firstRepeat;
    } else if (sideways && (began[left] || began[right])) {
        steps = began[right] - began[left];
        repeatTimer = firstRepeat;
    } else if (sideways && focused->sideways == Focus::Repeats && held[left] != held[right]) {
        for (repeatTimer -= game::frameTime; repeatTimer <= 0; repeatTimer += repeatEvery)
            steps += held[right] ? 1 : -1;
    }

    for (int i = 0; i < int(members.size()); i++) {
        Focus& member = *members[i];
        member.shown = shown && i == index;
        member.pressed = member.shown && began[int(Command::Confirm)];
        member.steps = member.shown ? steps : 0;
    }
}
