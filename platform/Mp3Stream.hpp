// The boss theme on SFML 2.5, which cannot read MP3: libmpg123 decodes the file
// a piece at a time on the stream's own thread while it plays.
#pragma once

#include <SFML/Audio/SoundStream.hpp>
#include <cstdint>
#include <string>
#include <vector>

struct mpg123_handle_struct;

class Mp3Stream : public sf::SoundStream {
public:
    Mp3Stream() = default;
    Mp3Stream(const Mp3Stream&) = delete;
    Mp3Stream& operator=(const Mp3Stream&) = delete;
    ~Mp3Stream() override;

    // Stops first. False, with nothing to play, when the file is missing or not an MP3.
    bool openFromFile(const std::string& path);

protected:
    // Only SFML's streaming thread calls these, one at a time, and the main
    // thread after it has joined that thread (stop, seek): the decoder is never
    // shared between two threads at once.
    bool onGetData(Chunk& data) override;
    void onSeek(sf::Time timeOffset) override;

private:
    mpg123_handle_struct* decoder = nullptr; // the open file, or none
    std::vector<std::int16_t> piece;           // the last samples handed to SFML, half a second's worth
    unsigned sampleRate = 0;                 // samples per second and channel
};
