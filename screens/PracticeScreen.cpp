// The practice screen. An attack is practised from the pause before it, as often as
// the player likes, once a real fight has reached it.
#include "screens/PracticeScreen.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "boss/DieSentry.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Practice.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Text.hpp"

#include <string>
#include <vector>

namespace {

const sf::Color lockedColour(110, 110, 110, 255);

// The attack's button, grey and marked while it is locked.
Button attackButton(std::int32_t attack, bool reached) {
    const std::string label = std::string(attackName(attack)) + (reached ? "" : " (locked)");
    return Button(960, 260 + 140 * float(attack), 640, 110, label, reached ? sf::Color::White : lockedColour, 5);
}

} // namespace

bool practiceScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    const compat::Text title = makeCentredText("Practice", 110, sf::Text::Bold, sf::Color::White, {960, 200});
    const std::int32_t reached = practice::attacksReached();
    std::vector<Button> attacks;
    for (std::int32_t attack = 1; attack <= 4; attack++)
        attacks.push_back(attackButton(attack, attack <= reached));
    Button back(960, 990, 300, 90, "Back", sf::Color::White, 5);
    std::vector<Focus*> focuses;
    for (Button& button : attacks)
        focuses.push_back(&button.focus);
    focuses.push_back(&back.focus);
    FocusRing focusRing(focuses);

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        focusRing.update();
        for (Button& button : attacks)
            button.updateHover();
        back.updateHover();
        if (input::hasFocus(game::window)) {
            for (std::int32_t attack = 1; attack <= 4; attack++) {
                if (attack <= reached && attacks[std::size_t(attack - 1)].isClicked()) {
                    game::difficulty = game::BossFight;
                    game::practiceAttack = attack;
                    return true;
                }
            }
            if (back.isClicked() || input::backHeld())
                return false;
        }

        beginScreenPicture();
        game::window.draw(title);
        for (const Button& button : attacks)
            button.draw(game::window);
        back.draw(game::window);
        game::window.display();
        pollWindowEvents();
    }
}
