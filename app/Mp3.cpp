// MP3 decoding: SFML reads MP3 itself from 2.6 on; before that libmpg123 decodes the
// file into 16-bit samples that the buffer takes as they are.
#include "app/Mp3.hpp"

#ifdef VIZOVID_MPG123

#include <SFML/System/Err.hpp>
#include <cstring>
#include <mpg123.h>
#include <vector>

namespace {

bool decode(mpg123_handle* handle, const std::string& path, sf::SoundBuffer& buffer) {
    if (mpg123_open(handle, path.c_str()) != MPG123_OK)
        return false;
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK) {
        mpg123_close(handle);
        return false;
    }
    // Keep the stream's rate and channels, but always as signed 16-bit samples.
    mpg123_format_none(handle);
    mpg123_format(handle, rate, channels, MPG123_ENC_SIGNED_16);

    std::vector<sf::Int16> samples;
    const off_t length = mpg123_length(handle);
    if (length > 0)
        samples.reserve(std::size_t(length) * std::size_t(channels));
    unsigned char chunk[32768];
    std::size_t done = 0;
    int result;
    do {
        result = mpg123_read(handle, chunk, sizeof chunk, &done);
        const std::size_t old = samples.size();
        samples.resize(old + done / sizeof(sf::Int16));
        std::memcpy(samples.data() + old, chunk, done / sizeof(sf::Int16) * sizeof(sf::Int16));
    } while (result == MPG123_OK || result == MPG123_NEW_FORMAT);
    mpg123_close(handle);

    return result == MPG123_DONE && !samples.empty()
        && buffer.loadFromSamples(samples.data(), samples.size(), unsigned(channels), unsigned(rate));
}

} // namespace

bool loadMp3(sf::SoundBuffer& buffer, const std::string& path) {
    bool loaded = false;
    if (mpg123_init() == MPG123_OK) {
        int error = MPG123_OK;
        if (mpg123_handle* handle = mpg123_new(nullptr, &error)) {
            mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
            loaded = decode(handle, path, buffer);
            mpg123_delete(handle);
        }
    }
    if (!loaded)
        sf::err() << "Failed to load sound file \"" << path << "\"" << std::endl;
    return loaded;
}

#else

bool loadMp3(sf::SoundBuffer& buffer, const std::string& path) {
    return buffer.loadFromFile(path);
}

#endif
