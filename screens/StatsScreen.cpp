// The stats screen: one block of text, composed when the screen opens.
#include "screens/StatsScreen.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/SaveData.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "replay/Replay.hpp"
#include "run/Hud.hpp"
#include "run/TimeFormat.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Text.hpp"


namespace {

std::string wholeSeconds(float seconds) {
    return formatTime(truncateToInt32(seconds));
}

const char* const difficultyNames[] = {"", "Average", "Hard", "HELL", "the Zev Azirid"};

// "Hard", or "practice, Bounce waves".
std::string runName(const Replay& run) {
    if (run.practiceAttack != 0)
        return "practice, " + std::string(attackName(run.practiceAttack));
    return difficultyNames[run.difficulty];
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

std::string lastRunLine(const Replay& run) {
    return "Last run: " + runName(run) + ", " + wholeSeconds(run.runTime());
}

namespace {

// A kept replay on offer, with the line of the statistics it stands beside.
struct Offer {
    Replay replay;
    std::string line;  // the start of its line in the text
    std::string title; // what the replay screen calls it
    Button watch;
};

// The replays kept that read whole, each beside its line: the latest victory, the
// best times, and the last run, which has a line of its own.
std::vector<Offer> keptOffers(std::string& text) {
    using replay::Kept;
    const std::pair<Kept, const char*> lines[] = {{Kept::LatestVictory, "Times beaten the Zev Azirid"},
                                                  {Kept::BestAverage, "Highest time on Average"},
                                                  {Kept::BestHard, "Highest time on Hard"},
                                                  {Kept::BestHell, "Highest time on HELL"},
                                                  {Kept::Last, "Last run"}};
    std::vector<Offer> offers;
    for (const auto& [which, line] : lines) {
        Replay replay;
        if (!replay::load(which, replay))
            continue;
        const std::string name = runName(replay);
        const std::string time = wholeSeconds(replay.runTime());
        std::string title = "Replay: latest victory over the Zev Azirid, " + time;
        if (which == Kept::Last) {
            text += "\n\n\n" + lastRunLine(replay);
            title = "Replay: last run, " + name + ", " + time;
        } else if (which != Kept::LatestVictory) {
            title = "Replay: " + name + ", best " + time;
        }
        offers.push_back({std::move(replay), line, title, Button(0, 0, 150, 46, "Watch", sf::Color::White, 3)});
    }
    return offers;
}

} // namespace

void statsScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    Button back(120, 120, 120, 100, "<", sf::Color::White, 4);
    // Composed once: the press on "<" that leaves is counted after it was made.
    std::string lines = statsText(game::saveData);
    std::vector<Offer> offers = keptOffers(lines);
    compat::Text text = makeText(lines, 30, sf::Text::Regular, sf::Color::White);
    centreOrigin(text);
    text.setPosition({960, 540});
    // Each "Watch" stands right of the block, level with its line.
    const float right = compat::left(text.getGlobalBounds()) + compat::width(text.getGlobalBounds()) + 110;
    std::vector<Focus*> focuses = {&back.focus};
    for (Offer& offer : offers) {
        const sf::Vector2f lineStart = text.findCharacterPos(lines.find(offer.line));
        offer.watch = Button(right, lineStart.y + 18, 150, 46, "Watch", sf::Color::White, 3);
        focuses.push_back(&offer.watch.focus);
    }

    FocusRing focusRing(focuses);

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        focusRing.update();
        back.updateHover();
        // Unlike the other screens, "<" answers without the focus.
        if (back.isClicked())
            return;
        if (input::backHeld())
            return;
        for (Offer& offer : offers) {
            offer.watch.updateHover();
            if (offer.watch.isClicked())
                replay::watch(offer.replay, offer.title);
        }

        beginScreenPicture();
        pollWindowEvents();
        game::window.draw(text);
        back.draw(game::window);
        for (const Offer& offer : offers)
            offer.watch.draw(game::window);
        game::window.display();
    }
}
