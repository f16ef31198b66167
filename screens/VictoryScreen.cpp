// The victory screen: it counts the victory, unlocks the rainbow skin and saves
// before its first frame, then waits for "Go back To Main Menu".
#include "screens/VictoryScreen.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/SfmlCompat.hpp"
#include "persistence/SaveData.hpp"
#include "replay/Replay.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Text.hpp"

void victoryScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    // Laid out from the panel, outlined in gold.
    const float px = 960, py = 540, w = 1200, h = 950;
    const sf::Color gold(255, 200, 0, 255);
    const sf::RectangleShape panel = makePanel({px, py}, {w, h}, gold);
    const compat::Text congratulations = makeCentredText("CONGRATULATIONS!", 110, sf::Text::Bold,
                                                     sf::Color(255, 255, 255, 255), {px, py - h * 0.125f * 3});
    const compat::Text beaten =
        makeCentredText("You beat the Zev Azirid!", 60, sf::Text::Bold, gold, {px, py - h * 0.125f});
    const compat::Text unlockLine =
        makeCentredText("RGB SKIN UNLOCKED", 50, sf::Text::Regular, sf::Color(0, 220, 0, 255), {px, py});

    const bool skinNewlyUnlocked = !game::saveData.rgbSkinUnlocked;
    countOnce(game::saveData.timesBeatenDieSentry);
    game::saveData.rgbSkinUnlocked = true;
    replay::saveWithBestRuns();

    Button back(px, py + 200, w * 0.5f, h / 10, "Go back To Main Menu", sf::Color::White, 5);

    FocusRing focusRing(back);

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        focusRing.update();
        back.updateHover();
        if (input::hasFocus(game::window) && back.isClicked()) {
            game::showMainMenu = true;
            return;
        }
        pollWindowEvents();

        beginScreenPicture();
        game::window.draw(panel);
        game::window.draw(congratulations);
        game::window.draw(beaten);
        if (skinNewlyUnlocked)
            game::window.draw(unlockLine);
        back.draw(game::window);
        game::window.display();
    }
}
