// The controls screen. Choosing a key or a pad button waits a few seconds for the
// next one pressed and binds it by the rules of app/Controls; Escape (or the pad's
// cancel button) gives up the wait. Every change is written to the controls file at
// once, so that it outlives a crash as much as a quit.
#include "screens/ControlsScreen.hpp"

#include "app/Controls.hpp"
#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Slider.hpp"
#include "ui/Text.hpp"
#include "ui/Toggle.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace {

using input::Command;

const sf::Color blue(100, 100, 250, 255);
constexpr float waitSeconds = 5;   // a wait for a key gives up after this
constexpr float noticeSeconds = 3; // a refusal stays in the prompt line this long
const Command keyRows[] = {Command::Up,    Command::Left,    Command::Down, Command::Right,
                           Command::Pause, Command::Confirm, Command::Back};
const Command padRows[] = {Command::Confirm, Command::Back, Command::Pause};

float rowY(int row) {
    return 240 + 95 * float(row);
}

std::string title(Command action) {
    std::string name = controls::actionName(action);
    name[0] = char(name[0] - 'a' + 'A');
    return name + ":";
}

// One key slot of an action (slot 0 or 1), or an action's pad button (slot -1).
struct Cell {
    Command action;
    int slot;
    Button button;

    bool pad() const { return slot < 0; }
    std::string binding() const {
        if (pad())
            return controls::buttonName(input::bindings.buttons[int(action)]);
        const sf::Keyboard::Key key = input::bindings.keys[int(action)][slot];
        return key == sf::Keyboard::Key::Unknown ? "none" : compat::keyLabel(key);
    }
    void relabel(float x, float y) {
        button = Button(x, y, pad() ? 280.0f : 220.0f, 80, binding(), sf::Color::White, 4);
    }
};

struct ControlsWidgets {
    Button back{120, 120, 120, 100, "<", sf::Color::White, 4};
    Button restore{1660, 810, 440, 80, "Restore defaults", sf::Color::White, 4};
    Slider deadZone{1670, 650, 380, 20, 10, 90, &input::bindings.deadZone, sf::Color::White, blue, 6};
    Toggle focusPause{1440, 930, 100, 100, 10, sf::Color::White, blue, &game::pauseOnFocusLoss};
    std::vector<Cell> cells; // in reading order, which is the order of the focus
    std::vector<compat::Text> labels;
    compat::Text prompt;

    ControlsWidgets() {
        for (int row = 0; row < 7; row++) {
            for (int slot = 0; slot < 2; slot++)
                cells.push_back({keyRows[row], slot, Button(0, 0, 1, 1, "", sf::Color::White, 4)});
            if (row < 3)
                cells.push_back({padRows[row], -1, Button(0, 0, 1, 1, "", sf::Color::White, 4)});
            labels.push_back(makeSideLabel(title(keyRows[row]), 590, rowY(row)));
            if (row < 3)
                labels.push_back(makeSideLabel(title(padRows[row]), 1480, rowY(row)));
        }
        labels.push_back(makeSideLabel("Dead zone:", 1420, 650));
        labels.push_back(makeSideLabel("Pause when the window loses focus:", 1340, 930));
        labels.push_back(makeCentredText("Keys", 50, sf::Text::Bold, sf::Color::White, {860, 130}));
        labels.push_back(makeCentredText("Pad", 50, sf::Text::Bold, sf::Color::White, {1680, 130}));
        relabel();
    }

    // Each cell shows its binding now, by the name the player's layout gives a key.
    void relabel() {
        int row = -1;
        for (Cell& cell : cells) {
            row += cell.slot == 0;
            cell.relabel(cell.pad() ? 1680 : 740 + 240 * float(cell.slot), rowY(row));
        }
        deadZone.placeKnob();
    }

    // "<", the rows, the dead zone beside pause's keys, "Restore defaults" beside
    // back's, then the toggle. Built once the cells are whole: the ring keeps pointers.
    std::vector<Focus*> focusOrder() {
        std::vector<Focus*> order = {&back.focus};
        for (Cell& cell : cells) {
            order.push_back(&cell.button.focus);
            if (cell.action == Command::Pause && cell.slot == 1)
                order.push_back(&deadZone.focus);
            if (cell.action == Command::Back && cell.slot == 1)
                order.push_back(&restore.focus);
        }
        order.push_back(&focusPause.focus);
        return order;
    }

    void setPrompt(const std::string& text) {
        prompt = makeCentredText(text, 36, sf::Text::Regular, sf::Color::White, {960, 1035});
    }

    void draw() {
        beginScreenPicture();
        drawButtons(game::window, {&back, &restore});
        for (const Cell& cell : cells)
            cell.button.draw(game::window);
        deadZone.draw(game::window);
        focusPause.draw(game::window);
        for (const compat::Text& label : labels)
            game::window.draw(label);
        game::window.draw(prompt);
        game::window.display();
    }
};

// A wait for the next key, or pad button, pressed. What is held as it starts (the
// press that chose the cell) counts only once let go and pressed again.
struct Wait {
    int cell = -1; // the cell waited for; -1 when none
    bool pad = false;
    float timeLeft = 0;
    std::vector<bool> down; // by key of compat::bindableKeys, or by button

    static std::vector<bool> nowDown(bool pad) {
        std::vector<bool> now;
        if (pad)
            for (unsigned button = 0; button < input::pad::none; button++)
                now.push_back(input::padButtonDown(button));
        else
            for (sf::Keyboard::Key key : compat::bindableKeys())
                now.push_back(input::keyDown(key));
        return now;
    }

    void start(int chosen, bool forPad) {
        cell = chosen;
        pad = forPad;
        timeLeft = waitSeconds;
        down = nowDown(pad);
    }

    // The index newly pressed this frame, or -1.
    int pressed() {
        const std::vector<bool> now = nowDown(pad);
        int first = -1;
        for (std::size_t i = 0; i < now.size(); i++)
            if (now[i] && !down[i] && first < 0)
                first = int(i);
        down = now;
        return first;
    }
};

// Either cancel input gives up a wait, whichever device it waits for.
bool cancelPressed() {
    static bool held = false; // cancel was held at the last look
    const bool now = input::keyDown(controls::cancelKey) || input::padButtonDown(controls::cancelButton);
    const bool began = now && !held;
    held = now;
    return began;
}

// A frame of a wait: binds what was pressed, or gives up. True when the wait is over;
// refused says that the binding would have locked the player out of the menus.
bool waitFrame(Wait& wait, ControlsWidgets& widgets, bool& refused) {
    const Cell& cell = widgets.cells[wait.cell];
    wait.timeLeft -= game::frameTime;
    const int pressed = wait.pressed();
    if (cancelPressed() || wait.timeLeft <= 0)
        return true;
    if (pressed < 0) {
        const std::string what = wait.pad ? "a pad button" : "a key";
        const std::string cancel = wait.pad ? "the pad's " + controls::buttonName(controls::cancelButton) : "Escape";
        widgets.setPrompt("Press " + what + " for " + controls::actionName(cell.action) + ", or " + cancel
                          + " to cancel (" + std::to_string(int(std::ceil(wait.timeLeft))) + ")");
        return false;
    }
    if (wait.pad)
        controls::bindButton(input::bindings, cell.action, unsigned(pressed));
    else
        refused = !controls::bindKey(input::bindings, cell.action, cell.slot, compat::bindableKeys()[pressed]);
    return true;
}

void saveControls() {
    controls::save(controls::pathBeside(game::folders.savePath));
}

// Nothing of the keyboard, the pads or the mouse is held: after a wait the screen
// answers again only then, so the key just bound cannot also press a button.
bool allLetGo() {
    for (bool held : Wait::nowDown(false))
        if (held)
            return false;
    for (bool held : Wait::nowDown(true))
        if (held)
            return false;
    for (Command direction : {Command::Up, Command::Left, Command::Down, Command::Right})
        if (input::padHeld(direction))
            return false;
    return !input::leftButtonHeld();
}

// A frame with no wait: the focus, the clicks and the two settings. True when the
// player leaves; a cell chosen starts the wait, and a setting changed is unsaved.
bool restFrame(ControlsWidgets& widgets, FocusRing& focusRing, Wait& wait, bool& unsaved) {
    focusRing.update();
    updateHovers({&widgets.back, &widgets.restore});
    for (Cell& cell : widgets.cells)
        cell.button.updateHover();
    if (input::hasFocus(game::window)) {
        if (widgets.back.isClicked() || input::backHeld())
            return true;
        if (widgets.restore.isClicked()) {
            controls::restoreDefaults();
            widgets.relabel();
            unsaved = true;
        }
        for (std::size_t i = 0; i < widgets.cells.size(); i++)
            if (widgets.cells[i].button.isClicked() && wait.cell < 0)
                wait.start(int(i), widgets.cells[i].pad());
    }
    const std::int32_t deadZone = input::bindings.deadZone;
    const bool focusPause = game::pauseOnFocusLoss;
    widgets.deadZone.update();
    widgets.focusPause.update();
    unsaved = unsaved || deadZone != input::bindings.deadZone || focusPause != game::pauseOnFocusLoss;
    return false;
}

} // namespace

void controlsScreen(bool byKeys) {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    ControlsWidgets widgets;
    FocusRing focusRing(widgets.focusOrder());
    if (byKeys)
        focusRing.showFirst();
    Wait wait;
    bool settling = false;   // a wait just ended; nothing acts until all is let go
    float noticeTimer = 0;   // seconds the refusal has yet to show
    bool unsaved = false;    // the dead zone or the toggle changed since the last write

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        noticeTimer -= game::frameTime;
        widgets.setPrompt(noticeTimer > 0 ? "Confirm and back each need a key: nothing was changed"
                                          : "Choose a key or a pad button to change it");
        bool refused = false;
        if (wait.cell >= 0 && waitFrame(wait, widgets, refused)) {
            wait.cell = -1;
            settling = true;
            noticeTimer = refused ? noticeSeconds : 0;
            widgets.relabel();
            saveControls();
        } else if (settling) {
            settling = !allLetGo();
        } else if (wait.cell < 0 && restFrame(widgets, focusRing, wait, unsaved)) {
            break;
        }
        // A drag writes the file once, when the knob is let go.
        if (unsaved && !widgets.deadZone.dragging) {
            saveControls();
            unsaved = false;
        }
        widgets.draw();
        pollWindowEvents();
    }
    if (unsaved)
        saveControls();
}
