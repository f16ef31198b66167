// libmpg123 behind a sound stream: the output is locked to signed 16-bit samples
// at the file's own rate and channels, the only format SFML streams.
#include "platform/Mp3Stream.hpp"

#include <SFML/System/Err.hpp>
#include <mpg123.h>

Mp3Stream::~Mp3Stream() {
    // The streaming thread must end before the decoder goes.
    stop();
    if (decoder)
        mpg123_delete(decoder);
}

bool Mp3Stream::openFromFile(const std::string& path) {
    stop();
    if (decoder) {
        mpg123_delete(decoder);
        decoder = nullptr;
    }
    long rate = 0;
    int channels = 0, encoding = 0, error = MPG123_OK;
    if (mpg123_init() == MPG123_OK)
        decoder = mpg123_new(nullptr, &error);
    if (decoder) {
        mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
        if (mpg123_open(decoder, path.c_str()) != MPG123_OK
            || mpg123_getformat(decoder, &rate, &channels, &encoding) != MPG123_OK) {
            mpg123_delete(decoder);
            decoder = nullptr;
        }
    }
    if (!decoder) {
        sf::err() << "Failed to open music file \"" << path << "\"" << std::endl;
        return false;
    }
    mpg123_format_none(decoder);
    mpg123_format(decoder, rate, channels, MPG123_ENC_SIGNED_16);
    sampleRate = unsigned(rate);
    piece.resize(std::size_t(rate) * std::size_t(channels) / 2);
    initialize(unsigned(channels), sampleRate);
    return true;
}

bool Mp3Stream::onGetData(Chunk& data) {
    std::size_t bytes = 0;
    int result;
    // A new format on the way is announced once with no samples; read on.
    do
        result = mpg123_read(decoder, piece.data(), piece.size() * sizeof(std::int16_t), &bytes);
    while (result == MPG123_NEW_FORMAT && bytes == 0);
    data.samples = piece.data();
    data.sampleCount = bytes / sizeof(std::int16_t);
    // False ends the stream after these last samples.
    return (result == MPG123_OK || result == MPG123_NEW_FORMAT) && data.sampleCount > 0;
}

void Mp3Stream::onSeek(sf::Time timeOffset) {
    // SFML seeks to the start on every stop, opened or not.
    if (decoder)
        mpg123_seek(decoder, off_t(double(timeOffset.asSeconds()) * sampleRate), SEEK_SET);
}
