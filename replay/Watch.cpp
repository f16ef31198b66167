// The replay screen: the run loop, fed by a replay and paced by the real clock, with
// a small label right of the HUD that says what plays, how, and how to steer it.
#include "replay/Replay.hpp"

#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "replay/Playback.hpp"
#include "replay/Tape.hpp"
#include "run/RunLoop.hpp"
#include "ui/Text.hpp"

#include <algorithm>
#include <sstream>

namespace replay {

namespace {

// At most this many frames are played for one picture: a replay of very short frames
// plays slower instead of holding the screen (and Escape) for good.
constexpr int maxFramesPerPicture = 240;
// Characters on one line of a note, so that it stays right of the HUD's clock.
constexpr std::size_t noteWidth = 46;

// The words of text in lines of at most width characters.
std::string wrapped(const std::string& text, std::size_t width) {
    std::istringstream words(text);
    std::string lines, line, word;
    while (words >> word) {
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines += line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return lines + line;
}

// The label: what plays, its state, the keys, and a note on a replay that may not
// or does not play out as recorded.
struct Label {
    compat::Text title = makeText("", 30, sf::Text::Bold, sf::Color(250, 100, 150, 255));
    compat::Text state = makeText("", 24, sf::Text::Regular, sf::Color::White);
    compat::Text keys = makeText("Escape or B: leave    Space or A: pause\nRight held: four times as fast", 18,
                                 sf::Text::Regular, sf::Color(170, 170, 170, 255));
    compat::Text note = makeText("", 18, sf::Text::Regular, sf::Color(255, 190, 80, 255));
    bool departed = false; // the note says so already

    Label(const std::string& what, const std::string& elsewhere) {
        title.setString(what);
        if (!elsewhere.empty())
            note.setString(wrapped("R" + elsewhere.substr(1) + ": it may not play out the same.", noteWidth));
        title.setPosition({1390, 800});
        state.setPosition({1390, 842});
        keys.setPosition({1390, 878});
        note.setPosition({1390, 932});
    }

    // Texts change only when what they say does: a new string means new glyph quads.
    void update(bool paused, bool fast, bool ended) {
        const char* now = ended ? "Ended" : paused ? "Paused" : fast ? "Playing x4" : "Playing";
        if (state.getString() != now)
            state.setString(now);
        const std::string& departure = tape::departure();
        if (!departure.empty() && !departed) {
            note.setString(wrapped("It no longer plays out as recorded, from " + departure, noteWidth));
            departed = true; // the first departure is the one that stands
        }
    }

    void draw(sf::RenderTarget& target) const {
        target.draw(title);
        target.draw(state);
        target.draw(keys);
        target.draw(note);
    }
};

} // namespace

void watch(const Replay& replay, const std::string& title) {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    playback::begin(replay);
    Label label(title, madeElsewhere(replay));
    input::Clock pace;        // real time between two drawn frames
    float owed = 0;           // seconds of the run due to be played
    float afterEnd = 0;       // seconds the last frame has stood
    bool paused = false;
    bool pauseHeld = false;   // Space or A held in the last frame: one press, one toggle

    while (afterEnd < 2 && !input::backHeld()) {
        const float real = pace.restart().asSeconds();
        const bool pausePressed = input::commandHeld(input::Command::Confirm);
        if (pausePressed && !pauseHeld) {
            paused = !paused;
            if (game::difficulty == game::BossFight)
                paused ? game::musicSound.pause() : game::musicSound.play();
        }
        pauseHeld = pausePressed;
        const bool fast = input::commandHeld(input::Command::Right);
        const bool going = game::runActive && !tape::played();

        int stepped = 0; // frames played for this picture
        if (!paused && going) {
            // Frames are played as long as the run owes them time, each with its own
            // step; a machine too slow to keep up plays slower instead of stalling.
            owed = std::min(owed + real * (fast ? 4.0f : 1.0f), 0.25f);
            while (game::runActive && !tape::played() && owed > 0 && stepped < maxFramesPerPicture) {
                owed -= tape::nextFrameTime();
                stepRunFrame();
                stepped++;
            }
            if (stepped == maxFramesPerPicture)
                owed = 0;
        } else if (!paused) {
            afterEnd += real;
        }
        pollWindowEvents();
        label.update(paused, fast, !going);
        drawRunPicture();
        label.draw(game::window);
        game::window.display();
    }
    playback::end();
}

} // namespace replay
