// The boss theme's stream goes through the states the game asks of it: playing
// from the fight's set-up, paused and resumed by the pause menu, stopped by the
// reset and the death screen, and silent when the theme cannot be opened.
#include "app/MusicStream.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

constexpr auto playing = sf::SoundSource::Playing, paused = sf::SoundSource::Paused,
               stopped = sf::SoundSource::Stopped;

TEST(MusicStream, FollowsTheFightThroughPauseAndReset) {
    // Calls: '>' play, '|' pause, '.' stop; each with the status it leaves.
    const struct {
        const char* file;
        std::vector<std::pair<char, sf::SoundSource::Status>> steps;
    } cases[] = {
        {"dieSentryTheme.mp3", {{'>', playing}, {'|', paused}, {'>', playing}, {'.', stopped}, {'>', playing}}},
        {"dieSentryTheme.mp3", {{'|', stopped}, {'.', stopped}, {'>', playing}, {'.', stopped}}},
        {"noSuchTheme.mp3", {{'>', stopped}, {'|', stopped}, {'>', stopped}}},
    };
    for (const auto& c : cases) {
        MusicStream music;
        EXPECT_EQ(music.openFromFile(std::string(VIZOVID_SOURCE_DIR "/Assets/Music/") + c.file), c.file[0] == 'd');
        for (std::size_t i = 0; i < c.steps.size(); i++) {
            const char call = c.steps[i].first;
            call == '>' ? music.play() : call == '|' ? music.pause() : music.stop();
            EXPECT_EQ(music.getStatus(), c.steps[i].second) << c.file << ", step " << i;
        }
    }
}

} // namespace
