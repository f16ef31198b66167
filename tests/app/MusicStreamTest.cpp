// The boss theme's stream goes through the states the game asks of it: playing
// from the fight's set-up, paused and resumed by the pause menu, stopped by the
// reset and the death screen, and silent when the theme cannot be opened.
#include "app/MusicStream.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

enum class Call { Play, Pause, Stop };

struct Step {
    Call call;
    sf::SoundSource::Status then;
};

struct Case {
    const char* what;
    const char* file;
    std::vector<Step> steps;
};

constexpr auto playing = sf::SoundSource::Playing, paused = sf::SoundSource::Paused,
               stopped = sf::SoundSource::Stopped;

TEST(MusicStream, FollowsTheFightThroughPauseAndReset) {
    const std::vector<Case> cases = {
        {"set-up, pause menu, continue, reset", "dieSentryTheme.mp3",
         {{Call::Play, playing}, {Call::Pause, paused}, {Call::Play, playing}, {Call::Stop, stopped}}},
        {"a pause menu outside the fight leaves it stopped", "dieSentryTheme.mp3",
         {{Call::Pause, stopped}, {Call::Play, playing}, {Call::Pause, paused}, {Call::Stop, stopped}}},
        {"restarted after a reset", "dieSentryTheme.mp3",
         {{Call::Play, playing}, {Call::Stop, stopped}, {Call::Play, playing}, {Call::Stop, stopped}}},
        {"a missing theme stays silent", "noSuchTheme.mp3",
         {{Call::Play, stopped}, {Call::Pause, stopped}, {Call::Play, stopped}, {Call::Stop, stopped}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MusicStream music;
        EXPECT_EQ(music.openFromFile(std::string(VIZOVID_SOURCE_DIR "/Assets/Music/") + c.file),
                  c.file == std::string("dieSentryTheme.mp3"));
        for (const Step& step : c.steps) {
            if (step.call == Call::Play)
                music.play();
            else if (step.call == Call::Pause)
                music.pause();
            else
                music.stop();
            EXPECT_EQ(music.getStatus(), step.then);
        }
    }
}

} // namespace
