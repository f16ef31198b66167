// The settings screen. The widgets write straight into the settings, so an edit is
// in memory at once; "Apply" is what pushes the frame-rate limit, vertical sync,
// fullscreen, antialiasing and the two volumes into the window and the sounds.
#include "screens/SettingsScreen.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/Settings.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "screens/ControlsScreen.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Slider.hpp"
#include "ui/Text.hpp"
#include "ui/Toggle.hpp"

#include <cstdint>
#include <vector>

namespace {

const sf::Color blue(100, 100, 250, 255);

// A slider with its label to the left: the label's x, then the track's centre and length.
struct SliderRow {
    const char* label;
    float labelX, x, y, width;
    std::int32_t minValue, maxValue;
    std::int32_t* setting;
};

// A 100 x 100 toggle with its label to the left.
struct ToggleRow {
    const char* label;
    float labelX, x, y;
    bool* setting;
    bool needsNewWindow; // only fullscreen and antialiasing re-create the window
};

// The music plays only in the boss fight, so only then is its volume offered; the
// audio slider then makes room for it.
std::vector<SliderRow> sliderRows(bool bossFight) {
    std::vector<SliderRow> rows = {
        {"Max FPS:", 510, 960, 240, 800, 10, 360, &game::maxFps},
        {"Audio Volume:", 510, bossFight ? 655.0f : 960.0f, 840, bossFight ? 300.0f : 800.0f, 0, 100,
         &game::audioVolume}};
    if (bossFight)
        rows.push_back({"Music Volume:", 1240, 1440, 840, 300, 0, 100, &game::musicVolume});
    return rows;
}

// In reading order, which is the order of the focus.
const ToggleRow toggleRows[] = {
    {"FPS Display:", 500, 600, 440, &game::showFps, false},
    {"V-SYNC:", 1340, 1440, 440, &game::vsync, false},
    {"Antialiasing:", 500, 600, 640, &game::antialiasing, true},
    {"Fullscreen:", 1340, 1440, 640, &game::fullscreen, true},
};

struct SettingsWidgets {
    Button back{120, 120, 120, 100, "<", sf::Color::White, 4};
    Button controls{1700, 120, 300, 100, "Controls", sf::Color::White, 4};
    Button apply{960, 995, 400, 100, "Apply", sf::Color::White, 5};
    std::vector<Slider> sliders; // Max FPS, audio, and music in the boss fight
    std::vector<Toggle> toggles; // as toggleRows
    std::vector<compat::Text> labels;

    explicit SettingsWidgets(bool bossFight) {
        for (const SliderRow& row : sliderRows(bossFight)) {
            sliders.emplace_back(row.x, row.y, row.width, 20, row.minValue, row.maxValue, row.setting,
                                 sf::Color::White, blue, 6);
            labels.push_back(makeSideLabel(row.label, row.labelX, row.y));
        }
        for (const ToggleRow& row : toggleRows) {
            toggles.emplace_back(row.x, row.y, 100, 100, 10, sf::Color::White, blue, row.setting);
            labels.push_back(makeSideLabel(row.label, row.labelX, row.y));
        }
    }

    // "<", "Controls", Max FPS, the toggles, the volumes, "Apply". Built once the
    // vectors are whole, since the ring keeps pointers into them.
    std::vector<Focus*> focusOrder() {
        std::vector<Focus*> order = {&back.focus, &controls.focus, &sliders[0].focus};
        for (Toggle& toggle : toggles)
            order.push_back(&toggle.focus);
        for (std::size_t i = 1; i < sliders.size(); i++)
            order.push_back(&sliders[i].focus);
        order.push_back(&apply.focus);
        return order;
    }

    // True when a toggle that needs a new window flipped.
    bool update() {
        for (Slider& slider : sliders)
            slider.update();
        bool needNewWindow = false;
        for (std::size_t i = 0; i < toggles.size(); i++) {
            toggles[i].update();
            needNewWindow = needNewWindow || (toggleRows[i].needsNewWindow && toggles[i].changed);
        }
        return needNewWindow;
    }

    void draw() {
        beginScreenPicture();
        drawButtons(game::window, {&back, &controls, &apply});
        for (const Slider& slider : sliders)
            slider.draw(game::window);
        for (const Toggle& toggle : toggles)
            toggle.draw(game::window);
        for (const compat::Text& label : labels)
            game::window.draw(label);
        game::window.display();
    }
};

// One opening of the screen, from its first frame until it is left. True when
// "Apply" was taken, and the screen must start over from the applied settings;
// byKeys says whether the keys or a pad took it, and so opens the next one focused.
bool runSettings(bool& byKeys) {
    SettingsWidgets widgets(game::difficulty == game::BossFight);
    FocusRing focusRing(widgets.focusOrder());
    if (byKeys)
        focusRing.showFirst();
    float screenTimer = 0;       // seconds since this opening
    bool recreateWindow = false; // the next "Apply" re-creates the window

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        screenTimer += game::frameTime;
        focusRing.update();
        updateHovers({&widgets.back, &widgets.controls, &widgets.apply});

        // "Apply" waits a second, so a press that opened this screen, or the one
        // that just applied, cannot apply again. An early press still clicks.
        bool applied = false;
        if (input::hasFocus(game::window)) {
            if (widgets.back.isClicked() || input::backHeld())
                return false;
            if (widgets.controls.isClicked())
                controlsScreen(focusRing.focusShown());
            if (widgets.apply.isClicked() && screenTimer > 1.0f) {
                applyDisplaySettings(recreateWindow);
                applied = true;
            }
        }
        // Flipping one back again still counts: the flag is never cleared within one opening.
        if (widgets.update())
            recreateWindow = true;
        widgets.draw();
        pollWindowEvents();

        if (applied) {
            byKeys = focusRing.focusShown();
            return true;
        }
    }
}

} // namespace

void settingsScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    // After "Apply" the screen opens afresh: every widget is rebuilt from the
    // applied settings and the one-second wait starts again.
    bool byKeys = false;
    while (runSettings(byKeys)) {
    }
}
