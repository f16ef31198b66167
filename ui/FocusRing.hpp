// The focus of players without a mouse: the arrow keys, a pad's d-pad or its stick
// move it between a screen's buttons, sliders and toggles in the order a reader
// meets them; A, Enter or Space press the focused button; left and right change the
// focused slider or toggle. Nothing has the focus until the first such press (or
// until showFirst, where the keys opened the widgets), and moving the mouse hides
// it again.
#pragma once

#include <SFML/Graphics.hpp>
#include <utility>
#include <vector>

// What the ring tells one widget every frame; buttons, sliders and toggles carry one.
struct Focus {
    enum Sideways { Moves, Once, Repeats };
    Sideways sideways = Moves; // left and right move the focus on, act once per press, or repeat while held
    bool shown = false;        // the focus is on this widget and visible
    bool pressed = false;      // A, Enter or Space began a press on it this frame; taken once
    int steps = 0;             // right (+) and left (-) presses on it this frame, repeats included; taken once
};

// The outline that marks a focused slider or toggle, a little outside its bounds.
void drawFocusOutline(sf::RenderTarget& target, const Focus& focus, const sf::FloatRect& around);

class FocusRing {
public:
    // The widgets in reading order.
    template <typename... Widgets>
    explicit FocusRing(Widgets&... widgets) : members{&widgets.focus...}, mouse(pointer()) {}
    explicit FocusRing(std::vector<Focus*> focuses) : members(std::move(focuses)), mouse(pointer()) {}

    // Once a frame, after frameTime is set and before the widgets are updated.
    void update();

    // For what the keys or a pad opened: the focus shows on the first widget at
    // once, and a press still held from the opening waits for its release.
    void showFirst();

    bool focusShown() const { return shown; }

private:
    static sf::Vector2i pointer();

    std::vector<Focus*> members;
    int index = -1;             // the widget with the focus; -1 until the first press
    bool shown = false;         // the focus is visible
    sf::Vector2i mouse;         // pixels: the pointer at the last update
    bool held[5] = {};          // Up, Left, Down, Right and Confirm at the last update
    float repeatTimer = 0;      // seconds until a held left or right steps a slider again
};
