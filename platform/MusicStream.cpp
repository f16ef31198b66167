// The boss theme's stream; every call is a no-op while no theme is open.
#include "platform/MusicStream.hpp"

#ifdef VIZOVID_MPG123
#include "platform/Mp3Stream.hpp"
using ThemeStream = Mp3Stream;
#else
#include <SFML/Audio/Music.hpp>
using ThemeStream = sf::Music;
#endif

bool MusicStream::openFromFile(const std::string& path) {
    stream.reset();
    auto opened = std::make_unique<ThemeStream>();
    if (!opened->openFromFile(path))
        return false;
    opened->setVolume(volume);
    stream = std::move(opened);
    return true;
}

void MusicStream::play() {
    if (!stream)
        return;
    // A stream that played to its end stays there until stopped.
    if (stream->getStatus() == sf::SoundSource::Status::Stopped)
        stream->stop();
    stream->play();
}

void MusicStream::pause() {
    if (stream)
        stream->pause();
}

void MusicStream::stop() {
    if (stream)
        stream->stop();
}

sf::SoundSource::Status MusicStream::getStatus() const {
    return stream ? stream->getStatus() : sf::SoundSource::Status::Stopped;
}

void MusicStream::setVolume(float newVolume) {
    volume = newVolume;
    if (stream)
        stream->setVolume(volume);
}

float MusicStream::getVolume() const {
    return stream ? stream->getVolume() : volume;
}

sf::Time MusicStream::getPlayingOffset() const {
    return stream ? stream->getPlayingOffset() : sf::Time::Zero;
}

void MusicStream::setPlayingOffset(sf::Time offset) {
    if (stream)
        stream->setPlayingOffset(offset);
}
