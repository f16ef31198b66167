// The main menu: "Play" leads through the difficulty selection into a run; the
// skin, stats and settings screens open from here and return here.
#include "screens/MainMenu.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/SfmlCompat.hpp"
#include "persistence/SaveData.hpp"
#include "replay/Replay.hpp"
#include "screens/DifficultyScreen.hpp"
#include "screens/SettingsScreen.hpp"
#include "screens/SkinScreen.hpp"
#include "screens/StatsScreen.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Text.hpp"

namespace {

// The title logo, centred at (960, 240).
compat::Sprite makeLogo() {
    compat::Sprite logo(game::titleLogoTexture);
    const sf::FloatRect logoBounds = logo.getGlobalBounds();
    logo.setOrigin({compat::width(logoBounds) / 2, compat::height(logoBounds) / 2});
    logo.setPosition({960, 240});
    return logo;
}

// The version, in the bottom-left corner.
compat::Text makeVersionText() {
    compat::Text version = makeText(game::versionTitle, 30, sf::Text::Regular, sf::Color::White);
    version.setPosition({0, 1080 - 1.5f * compat::height(version.getGlobalBounds())});
    return version;
}

} // namespace

void mainMenu() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    game::frameClock.restart();
    replay::saveWithBestRuns();

    const compat::Sprite logo = makeLogo();
    Button play(960, 540, 600, 100, "Play", sf::Color::White, 5);
    Button skin(797.5f, 690, 275, 100, "Your Skin", sf::Color::White, 5);
    Button stats(1122.5f, 690, 275, 100, "Your Stats", sf::Color::White, 5);
    Button settings(960, 840, 600, 100, "Settings", sf::Color::White, 5);
    Button quit(960, 990, 600, 100, "Quit Game", sf::Color::White, 5);
    const compat::Text version = makeVersionText();
    FocusRing focusRing(play, skin, stats, settings, quit);
    // Guards four buttons and Escape; starts again whenever a sub-screen returns.
    float screenTimer = 0;

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        screenTimer += game::frameTime;
        focusRing.update();
        updateHovers({&play, &settings, &quit, &skin, &stats});

        // Every test presses (sound and count) even when its guard then says no.
        if (input::hasFocus(game::window)) {
            if (play.isClicked()) {
                difficultyScreen();
                return;
            }
            if (settings.isClicked() && screenTimer > 0.1f) {
                game::difficulty = game::Average; // no music slider outside the boss fight
                settingsScreen();
                screenTimer = 0;
            }
            if (quit.isClicked() && screenTimer > 0.1f) {
                game::appRunning = false;
                return;
            }
            if (skin.isClicked() && screenTimer > 0.1f) {
                skinScreen();
                screenTimer = 0;
            }
            if (stats.isClicked() && screenTimer > 0.1f) {
                statsScreen();
                screenTimer = 0;
            }
            if (input::keyHeld(sf::Keyboard::Key::Escape) && screenTimer > 0.4f) {
                replay::saveWithBestRuns();
                game::appRunning = false;
                return;
            }
        }

        beginScreenPicture();
        drawButtons(game::window, {&play, &settings, &quit, &skin, &stats});
        game::window.draw(version);
        game::window.draw(logo);
        game::window.display();
        pollWindowEvents();
    }
}
