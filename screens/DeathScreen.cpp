// The death screen: it books the run (best time, the boss-fight unlock, the death
// count) once as it opens, then waits for "Restart" or "Quit To Main Menu".
#include "screens/DeathScreen.hpp"

#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/MusicStream.hpp"
#include "app/SfmlCompat.hpp"
#include "persistence/SaveData.hpp"
#include "run/Hud.hpp"
#include "run/TimeFormat.hpp"
#include "run/Player.hpp"
#include "ui/Blur.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Text.hpp"

namespace {

// Books the death: raises the best time of the run's difficulty (strictly),
// unlocks the boss fight at 2:30 on Hard or 1:15 on HELL, counts the death and
// stops the boss music. True when this death unlocked the fight.
bool bookDeath(float runTime) {
    SaveData& save = game::saveData;
    float* const best = save.bestTimeOf(game::difficulty);
    if (best && runTime > *best)
        *best = runTime;

    bool newlyUnlocked = false;
    if (!save.bossFightUnlocked && (save.bestTimeHard >= 150 || save.bestTimeHell >= 75)) {
        save.bossFightUnlocked = true;
        newlyUnlocked = true;
    }
    countOnce(save.timesDied);
    game::musicSound.stop();
    return newlyUnlocked;
}

} // namespace

void deathScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    const sf::Texture backdropTexture = blurTexture(windowSnapshot());
    const compat::Sprite backdrop = backdropSprite(backdropTexture);

    // Laid out from the panel, like the pause menu.
    const float px = 960, py = 540, w = 800, h = 1000;
    const sf::RectangleShape panel = makePanel({px, py}, {w, h}, sf::Color::White);
    compat::Text title = makeCentredText(" You Died!", 150, sf::Text::Bold, sf::Color(255, 230, 230, 255),
                                     {px, py - h * 0.125f * 3});
    title.setFont(game::sourceSansFont); // keeps the origin measured in Arial
    const std::string runTime = formatTime(std::int32_t(game::player.runTime));
    const compat::Text timeText = makeCentredText("Your time: " + runTime + " ", 60, sf::Text::Bold,
                                              sf::Color(250, 100, 150, 255), {px, py - 2 * h * 0.125f});
    const compat::Text unlockLine = makeCentredText("Zev Azirid Boss Fight Unlocked!", 40, sf::Text::Bold,
                                                sf::Color(250, 20, 20, 255), {px, py - 2 * h * 0.125f + 80});
    Button restart(px, py + 50, w * 0.5f, h / 10, "Restart", sf::Color::White, 5);
    Button quit(px, py + 200, w * 0.5f, h / 10, "Quit To Main Menu", sf::Color::White, 5);
    FocusRing focusRing(restart, quit);
    const bool newlyUnlocked = bookDeath(game::player.runTime);

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        focusRing.update();
        updateHovers({&restart, &quit});
        if (input::hasFocus(game::window)) {
            if (restart.isClicked()) {
                game::showMainMenu = false;
                return;
            }
            if (quit.isClicked()) {
                game::showMainMenu = true;
                return;
            }
        }
        pollWindowEvents();

        drawOverlay(backdrop, panel, title);
        game::window.draw(timeText);
        if (newlyUnlocked)
            game::window.draw(unlockLine);
        drawButtons(game::window, {&restart, &quit});
        game::window.display();
    }
}
