// The pause menu over the blurred, frozen run. It answers only through the flags:
// "Continue" leaves them, "Restart" and "Quit To Main Menu" end the run without a
// death. The boss music pauses while it is open.
#include "screens/PauseMenu.hpp"

#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "platform/MusicStream.hpp"
#include "platform/SfmlCompat.hpp"
#include "screens/SettingsScreen.hpp"
#include "ui/Blur.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Text.hpp"

void pauseMenu() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    const sf::Texture backdropTexture = blurTexture(windowSnapshot());
    const compat::Sprite backdrop = backdropSprite(backdropTexture);

    // Everything is laid out from the panel.
    const float px = 960, py = 540, w = 800, h = 1000;
    const sf::RectangleShape panel = makePanel({px, py}, {w, h}, sf::Color::White);
    const compat::Text title =
        makeCentredText("Game Paused", 100, sf::Text::Bold, sf::Color::White, {px, py - h * 0.125f * 3});
    Button resume(px, py - 100, w * 0.5f, h / 10, "Continue", sf::Color::White, 5);
    Button restart(px, py + 50, w * 0.5f, h / 10, "Restart", sf::Color::White, 5);
    Button settings(px, py + 200, w * 0.5f, h / 10, "Settings", sf::Color::White, 5);
    Button quit(px, py + 350, w * 0.5f, h / 10, "Quit To Main Menu", sf::Color::White, 5);
    FocusRing focusRing(resume, restart, settings, quit);
    game::musicSound.pause();

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        focusRing.update();
        updateHovers({&resume, &restart, &settings, &quit});

        if (input::hasFocus(game::window)) {
            // back's or pause's button on a pad continue too; their keys do not (the
            // keys move the focus and confirm presses, as on every screen).
            if (resume.isClicked() || input::commandHeld(input::Command::Back)
                || input::commandHeld(input::Command::Pause)) {
                if (game::difficulty == game::BossFight)
                    game::musicSound.play(); // resumes where it paused
                return;
            }
            if (restart.isClicked()) {
                game::runActive = false;
                game::showMainMenu = false;
                game::showDeathScreen = false;
                return;
            }
            if (settings.isClicked())
                settingsScreen();
            if (quit.isClicked()) {
                game::runActive = false;
                game::showDeathScreen = false;
                game::showMainMenu = true;
                return;
            }
        }
        pollWindowEvents();

        drawOverlay(backdrop, panel, title);
        drawButtons(game::window, {&resume, &restart, &settings, &quit});
        game::window.display();
    }
}
