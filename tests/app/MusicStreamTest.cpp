// The boss theme's stream goes through the states the game asks of it: playing
// from the fight's set-up, paused and resumed by the pause menu, stopped by the
// reset and the death screen, and silent when the theme cannot be opened.
#include "app/MusicStream.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr auto playing = sf::SoundSource::Status::Playing, paused = sf::SoundSource::Status::Paused,
               stopped = sf::SoundSource::Status::Stopped;

TEST(MusicStream, FollowsTheFightThroughPauseAndReset) {
    // Calls: '>' play, '|' pause, '.' stop; and the status each leaves.
    struct Case { const char* file; std::string calls; std::vector<sf::SoundSource::Status> statuses; };
    const Case cases[] = {
        {"dieSentryTheme.mp3", ">|>.>", {playing, paused, playing, stopped, playing}},
        {"dieSentryTheme.mp3", "|.>.", {stopped, stopped, playing, stopped}},
        {"noSuchTheme.mp3", ">|>", {stopped, stopped, stopped}},
    };
    for (const Case& c : cases) {
        MusicStream music;
        EXPECT_EQ(music.openFromFile(std::string(VIZOVID_SOURCE_DIR "/Assets/Music/") + c.file), c.file[0] == 'd');
        for (std::size_t i = 0; i < c.calls.size(); i++) {
            c.calls[i] == '>' ? music.play() : c.calls[i] == '|' ? music.pause() : music.stop();
            EXPECT_EQ(music.getStatus(), c.statuses[i]) << c.file << ", step " << i;
        }
    }
}

} // namespace
