// Every sound effect of a run: short-lived positional sounds with a random pitch.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Audio.hpp>
#include <cstdint>
#include <memory>
#include <vector>

struct SoundPool {
    std::vector<std::shared_ptr<compat::Sound>> sounds; // started and not yet found stopped
    std::int32_t maxSounds = 92;                    // no new sound while this many remain

    // Plays the buffer at sourcePosition as heard from listenerPosition (world units).
    void play(const sf::SoundBuffer& buffer, sf::Vector2f sourcePosition,
              sf::Vector2f listenerPosition);
};
