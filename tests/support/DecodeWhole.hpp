// An MP3 decoded whole for a test to look at: on SFML 2.5 read piece by piece
// through the boss theme's own stream, as SFML's streaming thread reads it; from
// 2.6 on by SFML itself.
#pragma once

#include <SFML/Audio/SoundBuffer.hpp>
#include <cstdint>
#include <string>
#include <vector>

#ifdef VIZOVID_MPG123 // the game's own decoder, for SFML 2.5
#include "app/Mp3Stream.hpp"

// The stream with its reading calls opened up.
struct Mp3Probe : Mp3Stream {
    using Mp3Stream::onGetData;
    using Mp3Stream::onSeek;
};

inline bool decodeWhole(sf::SoundBuffer& buffer, const std::string& path) {
    Mp3Probe stream;
    if (!stream.openFromFile(path))
        return false;
    std::vector<std::int16_t> samples;
    sf::SoundStream::Chunk chunk{};
    for (bool more = true; more;) {
        more = stream.onGetData(chunk);
        samples.insert(samples.end(), chunk.samples, chunk.samples + chunk.sampleCount);
    }
    return !samples.empty()
        && buffer.loadFromSamples(samples.data(), samples.size(), stream.getChannelCount(), stream.getSampleRate());
}
#else
inline bool decodeWhole(sf::SoundBuffer& buffer, const std::string& path) { return buffer.loadFromFile(path); }
#endif
