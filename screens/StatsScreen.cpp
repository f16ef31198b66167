// The stats screen: one block of text, composed when the screen opens.
#include "screens/StatsScreen.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/SfmlCompat.hpp"
#include "persistence/SaveData.hpp"
#include "run/Hud.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Text.hpp"

namespace {

std::string wholeSeconds(float seconds) {
    return formatTime(truncateToInt32(seconds));
}

} // namespace

std::string statsText(const SaveData& s) {
    return "Time spent Dodging: " + wholeSeconds(s.timeSpentDodging)
           + "\n\nTime spent Dodging the Zev Azirid: " + wholeSeconds(s.timeSpentDodgingDieSentry)
           + "\n\nTimes opened game: " + std::to_string(s.timesOpenedGame)
           + "\n\nTotal distance travelled: " + std::to_string(truncateToInt32(s.distanceTravelled)) + "u"
           + "\n\nTimes hit by a projectile: " + std::to_string(s.timesHitByProjectile)
           + "\n\nTimes Died: " + std::to_string(s.timesDied)
           + "\n\nButtons clicked: " + std::to_string(s.buttonsClicked)
           + "\n\nTimes beaten the Zev Azirid: " + std::to_string(s.timesBeatenDieSentry)
           + "\n\nTimes attempted beating the Zev Azirid: " + std::to_string(s.timesAttemptedDieSentry)
           + "\n\n\nHighest time on Average difficulty: " + wholeSeconds(s.bestTimeAverage)
           + "\n\nHighest time on Hard difficulty: " + wholeSeconds(s.bestTimeHard)
           + "\n\nHighest time on HELL difficulty: " + wholeSeconds(s.bestTimeHell);
}

void statsScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    Button back(120, 120, 120, 100, "<", sf::Color::White, 4);
    // Composed once: the press on "<" that leaves is counted after it was made.
    compat::Text text = makeText(statsText(game::saveData), 30, sf::Text::Regular, sf::Color::White);
    centreOrigin(text);
    text.setPosition({960, 540});

    FocusRing focusRing(back);

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        focusRing.update();
        back.updateHover();
        // Unlike the other screens, "<" answers without the focus.
        if (back.isClicked())
            return;
        if (input::backHeld())
            return;

        beginScreenPicture();
        pollWindowEvents();
        game::window.draw(text);
        back.draw(game::window);
        game::window.display();
    }
}
