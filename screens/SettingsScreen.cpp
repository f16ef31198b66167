// The settings screen. The widgets write straight into the settings, so an edit is
// in memory at once; "Apply" is what pushes the frame-rate limit, vertical sync,
// fullscreen, antialiasing and the two volumes into the window and the sounds.
#include "screens/SettingsScreen.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/SfmlCompat.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Slider.hpp"
#include "ui/Text.hpp"
#include "ui/Toggle.hpp"

#include <string>

namespace {

const sf::Color blue(100, 100, 250, 255);

// One opening of the screen, from its first frame until it is left. True when
// "Apply" was taken, and the screen must start over from the applied settings.
bool runSettings() {
    // The music plays only in the boss fight, so only then is its volume offered;
    // the audio slider then makes room for it.
    const bool bossFight = game::difficulty == 4;
    const float audioX = bossFight ? 655 : 960;
    const float audioWidth = bossFight ? 300 : 800;

    Button back(120, 120, 120, 100, "<", sf::Color::White, 4);
    Button apply(960, 995, 400, 100, "Apply", sf::Color::White, 5);
    Slider maxFpsSlider(960, 240, 800, 20, 10, 360, &game::maxFps, sf::Color::White, blue, 6);
    Toggle fpsDisplay(600, 440, 100, 100, 10, sf::Color::White, blue, &game::showFps);
    Toggle vsync(1440, 440, 100, 100, 10, sf::Color::White, blue, &game::vsync);
    Toggle fullscreen(1440, 640, 100, 100, 10, sf::Color::White, blue, &game::fullscreen);
    Toggle antialiasing(600, 640, 100, 100, 10, sf::Color::White, blue, &game::antialiasing);
    Slider audioSlider(audioX, 840, audioWidth, 20, 0, 100, &game::audioVolume, sf::Color::White, blue, 6);
    Slider musicSlider(1440, 840, 300, 20, 0, 100, &game::musicVolume, sf::Color::White, blue, 6);

    const compat::Text maxFpsLabel = makeSideLabel("Max FPS:", 510, 240);
    const compat::Text fpsDisplayLabel = makeSideLabel("FPS Display:", 500, 440);
    const compat::Text vsyncLabel = makeSideLabel("V-SYNC:", 1340, 440);
    const compat::Text fullscreenLabel = makeSideLabel("Fullscreen:", 1340, 640);
    const compat::Text antialiasingLabel = makeSideLabel("Antialiasing:", 500, 640);
    const compat::Text audioLabel = makeSideLabel("Audio Volume:", 510, 840);
    const compat::Text musicLabel = makeSideLabel("Music Volume:", 1240, 840);

    FocusRing focusRing = bossFight ? FocusRing(back, maxFpsSlider, fpsDisplay, vsync, antialiasing, fullscreen,
                                                audioSlider, musicSlider, apply)
                                    : FocusRing(back, maxFpsSlider, fpsDisplay, vsync, antialiasing, fullscreen,
                                                audioSlider, apply);
    float screenTimer = 0;        // seconds since this opening
    bool recreateWindow = false;  // the next "Apply" re-creates the window

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        screenTimer += game::frameTime;
        focusRing.update();

        back.updateHover();
        apply.updateHover();

        // "Apply" waits a second, so a press that opened this screen, or the one
        // that just applied, cannot apply again. An early press still clicks.
        bool applied = false;
        if (input::hasFocus(game::window)) {
            if (back.isClicked())
                return false;
            if (input::backHeld())
                return false;
            if (apply.isClicked() && screenTimer > 1.0f) {
                applyDisplaySettings(recreateWindow);
                applied = true;
            }
        }

        maxFpsSlider.update();
        fpsDisplay.update();
        vsync.update();
        fullscreen.update();
        antialiasing.update();
        audioSlider.update();
        if (bossFight)
            musicSlider.update();

        // Only these two need a new window. Flipping one back again still counts:
        // the flag is never cleared within one opening.
        if (fullscreen.changed || antialiasing.changed)
            recreateWindow = true;

        game::window.clear(sf::Color(8, 8, 8, 255));
        game::window.setView(game::hudView);
        back.draw(game::window);
        apply.draw(game::window);
        antialiasing.draw(game::window);
        fullscreen.draw(game::window);
        vsync.draw(game::window);
        maxFpsSlider.draw(game::window);
        audioSlider.draw(game::window);
        if (bossFight) {
            musicSlider.draw(game::window);
            game::window.draw(musicLabel);
        }
        fpsDisplay.draw(game::window);
        game::window.draw(maxFpsLabel);
        game::window.draw(audioLabel);
        game::window.draw(fpsDisplayLabel);
        game::window.draw(vsyncLabel);
        game::window.draw(fullscreenLabel);
        game::window.draw(antialiasingLabel);
        game::window.display();

        pollWindowEvents();

        if (applied)
            return true;
    }
}

} // namespace

void settingsScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    // After "Apply" the screen opens afresh: every widget is rebuilt from the
    // applied settings and the one-second wait starts again.
    while (runSettings()) {
    }
}
