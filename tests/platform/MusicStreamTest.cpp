// The boss theme's stream goes through the states the game asks of it: playing
// from the fight's set-up, paused and resumed by the pause menu, stopped by the
// reset and the death screen, and silent when the theme cannot be opened.
#include "platform/MusicStream.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string musicFolder = VIZOVID_SOURCE_DIR "/Assets/Music/";
constexpr auto playing = sf::SoundSource::Status::Playing;
constexpr auto paused = sf::SoundSource::Status::Paused;
constexpr auto stopped = sf::SoundSource::Status::Stopped;

TEST(MusicStream, FollowsTheFightThroughPauseAndReset) {
    // Calls: '>' play, '|' pause, '.' stop; and the status each leaves.
    struct Row {
        const char* file;
        std::string calls;
        std::vector<sf::SoundSource::Status> statuses;
    };
    const Row rows[] = {
        {"dieSentryTheme.mp3", ">|>.>", {playing, paused, playing, stopped, playing}},
        {"dieSentryTheme.mp3", "|.>.", {stopped, stopped, playing, stopped}},
        {"noSuchTheme.mp3", ">|>", {stopped, stopped, stopped}},
    };
    for (const Row& row : rows) {
        MusicStream music;
        EXPECT_EQ(music.openFromFile(musicFolder + row.file), row.file[0] == 'd');
        for (std::size_t i = 0; i < row.calls.size(); i++) {
            row.calls[i] == '>' ? music.play() : row.calls[i] == '|' ? music.pause() : music.stop();
            EXPECT_EQ(music.getStatus(), row.statuses[i]) << row.file << ", step " << i;
        }
    }
}

// The settings are read before the assets: the theme opens at the music volume set before.
TEST(MusicStream, TheThemeOpensAtTheVolumeSetBeforeIt) {
    MusicStream music;
    music.setVolume(30);
    ASSERT_TRUE(music.openFromFile(musicFolder + "dieSentryTheme.mp3"));
    EXPECT_FLOAT_EQ(music.getVolume(), 30);
}

} // namespace
