// Replays as a player meets them: a run recorded plays back exactly and a departure
// shows; the right runs are kept; watching steers as it says and leaves the record
// as it was.
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "persistence/SaveData.hpp"
#include "replay/Replay.hpp"
#include "replay/Tape.hpp"
#include "run/RunSetup.hpp"
#include "run/SoundPool.hpp"
#include "support/RunScenario.hpp"
#include "support/ScreenDriver.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace {

using Key = sf::Keyboard::Key;
using replay::Kept;

class Replays : public RunScenario {
protected:
    KeptGameState kept;

    // A run recorded as the game records one: 700 frames of uneven steps, steering
    // right, then down, with the focus lost for a moment.
    Replay recordRun(std::int32_t difficulty = game::Hell) {
        resetRun();
        game::difficulty = difficulty;
        game::frameTime = 0.004f;
        replay::record();
        startRun();
        game::runActive = true;
        game::frameClock.restart();
        input::endFrame();
        for (int f = 0; f < 700 && game::runActive; f++) {
            holdKeys({f < 350 ? Key::D : Key::S});
            input.script.focus = f < 100 || f > 120;
            input.script.frameStep = sf::microseconds(4000 + f % 7 * 1500);
            frame();
        }
        return replay::finish();
    }
};

// The run recorded plays out as it was played; any other frame, step or seed shows
// as a difference at the first check after it.
TEST_F(Replays, ARecordedRunPlaysBackExactlyAndAnythingElseShowsAtTheNextCheck) {
    const Replay recorded = recordRun();
    ASSERT_EQ(recorded.steps.size(), 700u);
    const struct {
        const char* name;
        std::function<void(Replay&)> change;
        const char* difference; // its start; "" when it plays out as recorded
    } rows[] = {
        {"as played", [](Replay&) {}, ""},
        {"another way at frame 10", [](Replay& r) { r.inputs[10] = replayInput::focus | replayInput::up; },
         "frame 300: the player is at"},
        {"a longer step at frame 5", [](Replay& r) { r.steps[5] += 2000; }, "frame 300: the player is at"},
        {"the focus kept at frame 110", [](Replay& r) { r.inputs[110] |= replayInput::focus; }, "frame 300:"},
        {"a step after the first check", [](Replay& r) { r.steps[400] += 2000; }, "frame 600:"},
        {"a longer first frame", [](Replay& r) { r.startFrameTime = 0.016f; }, "frame 300:"},
    };
    for (const auto& row : rows) {
        Replay played = recorded;
        row.change(played);
        const std::string difference = replay::verify(played);
        EXPECT_EQ(difference.substr(0, std::string(row.difference).size()), row.difference) << row.name << ": " << difference;
        EXPECT_EQ(difference.empty(), *row.difference == 0) << row.name << ": " << difference;
    }
}

// Verifying is unheard: the theme the fight would start stays where it was paused,
// and no sound is left playing.
TEST_F(Replays, VerifyingPlaysNoSound) {
    const Replay fight = recordRun(game::BossFight);
    game::soundPool.sounds.clear(); // the sounds of the fight as it was recorded
    game::musicSound.play();
    game::musicSound.pause();
    EXPECT_EQ(replay::verify(fight), "");
    EXPECT_EQ(game::musicSound.getStatus(), sf::SoundSource::Status::Paused);
    EXPECT_TRUE(game::soundPool.sounds.empty());
    game::musicSound.stop();
}

// A run as keep() sees it: its difficulty, ending and time.
Replay endedRun(std::int32_t difficulty, ReplayEnding ending, float seconds) {
    Replay run;
    run.difficulty = difficulty;
    run.ending = ending;
    run.steps.assign(1, 8333);
    run.inputs.assign(1, replayInput::focus);
    run.checks.push_back({1, 0, 0, 1000, 0, 0, seconds});
    return run;
}

// The time of each kept run that reads, by which it is.
std::map<Kept, float> keptTimes() {
    std::map<Kept, float> times;
    for (Kept which : {Kept::Last, Kept::BestAverage, Kept::BestHard, Kept::BestHell, Kept::FirstVictory,
                       Kept::LatestVictory}) {
        Replay replay;
        if (replay::load(which, replay))
            times[which] = replay.runTime();
    }
    return times;
}

// Runs end one after another; after each, the kept runs are as the rules say. The
// death screen raises the best time after the run is kept, and only the main menu,
// the victory screen and leaving the game save; a best run is offered only beside
// its own time.
TEST_F(Replays, TheLastRunAlwaysTheBestOnlyWithItsSavedTimeTheFirstVictoryOnce) {
    game::saveData.bestTimeHard = 0;
    game::saveData.bestTimeAverage = 0;
    const struct {
        const char* name;
        Replay run;
        bool saved; // the main menu opened after it
        std::map<Kept, float> times;
    } rows[] = {
        {"a first death on Hard", endedRun(game::Hard, ReplayEnding::Death, 60), false, {{Kept::Last, 60}}},
        {"the main menu saves it", endedRun(game::Hard, ReplayEnding::Death, 50), true,
         {{Kept::Last, 50}, {Kept::BestHard, 60}}},
        {"a better death, unsaved: no best", endedRun(game::Hard, ReplayEnding::Death, 90), false, {{Kept::Last, 90}}},
        {"a worse one, then the menu", endedRun(game::Hard, ReplayEnding::Death, 70), true,
         {{Kept::Last, 70}, {Kept::BestHard, 90}}},
        {"a run left on Average", endedRun(game::Average, ReplayEnding::Left, 30), true,
         {{Kept::Last, 30}, {Kept::BestHard, 90}}},
        {"a first victory", endedRun(game::BossFight, ReplayEnding::Victory, 225), false,
         {{Kept::Last, 225}, {Kept::BestHard, 90}, {Kept::FirstVictory, 225}, {Kept::LatestVictory, 225}}},
        {"another victory", endedRun(game::BossFight, ReplayEnding::Victory, 226), false,
         {{Kept::Last, 226}, {Kept::BestHard, 90}, {Kept::FirstVictory, 225}, {Kept::LatestVictory, 226}}},
    };
    for (const auto& row : rows) {
        replay::keep(row.run);
        float* best = game::saveData.bestTimeOf(row.run.difficulty);
        if (best && row.run.ending == ReplayEnding::Death && row.run.runTime() > *best)
            *best = row.run.runTime(); // as the death screen books it
        if (row.saved) {
            EXPECT_TRUE(replay::saveWithBestRuns()) << row.name;
        }
        EXPECT_EQ(keptTimes(), row.times) << row.name;
    }
    EXPECT_EQ(SaveData(game::folders.savePath).bestTimeHard, 90);
    Replay best;
    game::saveData.bestTimeHard = 95; // a save whose best run never reached the disk
    EXPECT_FALSE(replay::load(Kept::BestHard, best));
}

Replay watched;
void watchIt() {
    replay::watch(watched, "Replay: a test");
}

// The save's whole record as its file would hold it.
std::string recordText() {
    const std::string path = game::folders.savePath + ".record";
    SaveData copy = game::saveData;
    copy.savePath = path;
    copy.save();
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Frames of the replay screen: the keys held in each, and the frames of the replay
// played by its end.
struct Watching {
    const char* name;
    std::uint16_t step;                 // of every frame of the replay, microseconds
    std::vector<std::vector<Key>> keys; // one entry a drawn frame; then Escape held
    int framesPlayed;                   // by the last of them
    bool left;                          // the screen returned after them
};

// The replay screen: Escape leaves, Space pauses and resumes, Right held plays four
// times as fast; a drawn frame plays the frames its time owes (two of 8 ms in 16 ms;
// the first frame lasts no time), but never so many that the screen stops answering;
// and the record is as it was.
TEST_F(Replays, TheReplayScreenLeavesPausesAndHurriesAsItsKeysSayAndKeepsTheRecord) {
    const Replay recorded = recordRun();
    const std::vector<Key> none, space{Key::Space}, right{Key::Right}, escape{Key::Escape};
    const Watching rows[] = {
        {"playing", 8000, {none, none, none, none, none}, 8, false},
        {"Escape leaves", 8000, {none, none, escape}, 2, true},
        {"Space pauses", 8000, {none, none, space, none, none, none}, 2, false},
        {"Space again resumes", 8000, {none, space, none, space, none, none}, 6, false},
        {"Right held hurries", 8000, {none, right, right, right}, 24, false},
        {"frames of a microsecond", 1, {none, none, none}, 480, false},
    };
    ScreenDriver driver;
    driver.script.frameStep = sf::microseconds(16000);
    for (const Watching& row : rows) {
        watched = recorded;
        watched.steps.assign(watched.steps.size(), row.step);
        const std::string before = recordText();
        int shown = 0, played = -1;
        driver.maxFrames = driver.script.framesEnded + int(row.keys.size()) + 1;
        const int start = driver.script.framesEnded;
        driver.step = [&](int ended) {
            shown = ended - start;
            played = int(replay::tape::framesPlayed());
            driver.script.keys = shown < int(row.keys.size()) ? row.keys[shown] : escape;
        };
        driver.script.keys = row.keys[0];
        game::frameClock.restart();
        watchIt();
        EXPECT_EQ(played, row.framesPlayed) << row.name;
        EXPECT_EQ(shown < int(row.keys.size()), row.left) << row.name;
        EXPECT_EQ(recordText(), before) << row.name;
        driver.script.keys.clear();
    }
}

// Whether the window shows a pixel near the colour in the rectangle.
bool shows(sf::Color colour, unsigned left, unsigned top, unsigned right, unsigned bottom) {
    const sf::Image image = captureWindow();
    for (unsigned y = top; y < bottom; y++)
        for (unsigned x = left; x < right; x++) {
            const sf::Color c = compat::pixel(image, x, y);
            if (std::abs(c.r - colour.r) < 40 && std::abs(c.g - colour.g) < 40 && std::abs(c.b - colour.b) < 40)
                return true;
        }
    return false;
}

// Right of the HUD the label names the replay, in the clock's pink; below the keys,
// an amber note says when another build recorded it, or when it departs from its
// recording (by its first check, at frame 300, which twenty pictures of 0.16 s pass).
TEST_F(Replays, TheLabelNamesTheReplayAndWarnsOfAnotherBuildOrADeparture) {
    const Replay recorded = recordRun();
    const sf::Color pink(250, 100, 150), amber(255, 190, 80);
    const struct {
        const char* name;
        std::function<void(Replay&)> change;
        bool warned;
    } rows[] = {
        {"this build's", [](Replay&) {}, false},
        {"a replay of format 1", [](Replay& r) { r.build.clear(); }, false},
        {"another version's", [](Replay& r) { r.gameVersion = "0.9"; }, true},
        {"another system's", [](Replay& r) { r.build = "Windows arm64, SFML 3"; }, true},
        {"departing", [](Replay& r) { r.inputs[10] = replayInput::focus | replayInput::up; }, true},
    };
    ScreenDriver driver;
    driver.script.frameStep = sf::microseconds(160000);
    for (const auto& row : rows) {
        watched = recorded;
        row.change(watched);
        bool named = false, warned = false;
        driver.maxFrames = driver.script.framesEnded + 30;
        const int start = driver.script.framesEnded;
        driver.step = [&](int ended) {
            if (ended - start == 20) {
                named = shows(pink, 1390, 800, 1900, 840);
                warned = shows(amber, 1390, 930, 1900, 1070);
            }
            driver.script.keys = ended - start < 20 ? std::vector<Key>{} : std::vector<Key>{Key::Escape};
        };
        game::frameClock.restart();
        watchIt();
        EXPECT_TRUE(named) << row.name;
        EXPECT_EQ(warned, row.warned) << row.name;
    }
}

} // namespace
