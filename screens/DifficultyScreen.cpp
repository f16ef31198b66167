// The difficulty selection: "Average", "Hard", "HELL", and the red "DIE" of the
// boss fight, which shows how to unlock it until it is unlocked; once it is, a
// small "Practice" under it. No way back.
#include "screens/DifficultyScreen.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "persistence/SaveData.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "screens/PracticeScreen.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Text.hpp"

#include <utility>

namespace {

// How the boss fight is unlocked, above "OK" on a panel over the buttons.
compat::Text makeNotice() {
    return makeCentredText("You must get 1:15 on HELL difficulty or 2:30 on Hard difficulty\n"
                           "                 to unlock the Zev Azirid Boss Fight",
                           50, sf::Text::Bold, sf::Color::White, {960, 440});
}

} // namespace

void difficultyScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    const compat::Text title =
        makeCentredText("Select a Difficulty", 120, sf::Text::Bold, sf::Color::White, {960, 270});
    Button average(210, 590, 300, 140, "Average", sf::Color::White, 5);
    Button hard(710, 590, 300, 140, "Hard", sf::Color::White, 5);
    Button hell(1210, 590, 300, 140, "HELL", sf::Color::White, 7);
    Button die(1710, 590, 290, 130, "DIE", sf::Color(200, 20, 20, 255), 10);
    // Only once the fight is unlocked, small under "DIE".
    const bool practiceShown = game::saveData.bossFightUnlocked;
    Button practise(1710, 730, 220, 70, "Practice", sf::Color(200, 20, 20, 255), 5);
    const sf::RectangleShape panel = makePanel({960, 540}, {1500, 400}, sf::Color::White);
    const compat::Text notice = makeNotice();
    Button ok(960, 640, 500, 100, "OK", sf::Color::White, 5);
    bool noticeShown = false;
    const std::pair<Button*, game::Difficulty> levels[] = {{&average, game::Average}, {&hard, game::Hard},
                                                           {&hell, game::Hell}};
    FocusRing choices = practiceShown ? FocusRing(average, hard, hell, die, practise)
                                      : FocusRing(average, hard, hell, die);
    FocusRing noticeFocus(ok);
    // Guards the difficulties: "Hard" and "HELL" lie partly under "Play".
    float screenTimer = 0;
    game::practiceAttack = 0;

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        screenTimer += game::frameTime;
        (noticeShown ? noticeFocus : choices).update();

        if (!noticeShown) {
            updateHovers({&average, &hard, &hell, &die});
            for (const auto& [button, level] : levels) {
                if (input::hasFocus(game::window) && button->isClicked() && screenTimer >= 0.2f) {
                    game::difficulty = level;
                    return;
                }
            }
            if (practiceShown) {
                practise.updateHover();
                if (input::hasFocus(game::window) && practise.isClicked() && screenTimer >= 0.2f
                    && practiceScreen())
                    return;
            }
        } else {
            ok.updateHover();
        }
        // "DIE" and "OK" answer even without the focus.
        if (die.isClicked() && screenTimer >= 0.2f) {
            if (game::saveData.bossFightUnlocked) {
                game::difficulty = game::BossFight;
                return;
            }
            noticeShown = true;
            if (choices.focusShown())
                noticeFocus.showFirst(); // "OK" takes A or Enter at once
        }
        if (noticeShown && ok.isClicked())
            noticeShown = false;

        beginScreenPicture();
        drawButtons(game::window, {&average, &hard, &hell, &die});
        if (practiceShown)
            practise.draw(game::window);
        game::window.draw(title);
        if (noticeShown) {
            game::window.draw(panel);
            game::window.draw(notice);
            ok.draw(game::window);
        }
        game::window.display();
        pollWindowEvents();
    }
}
