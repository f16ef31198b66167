// The boss theme's decoder on SFML 2.5: an MP3 made by lame streams back with its
// exact length and format, rewinds to its first samples, and a file that is no MP3
// does not open.
#include "tests/support/DecodeWhole.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Mp3 : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("vizovid-mp3-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(Mp3, StreamsAWholeStereoFileAndRewinds) {
    if (std::system("command -v lame > /dev/null") != 0)
        GTEST_SKIP() << "lame is needed to make the MP3 (scripts/install-deps --test installs it)";

    // One second of a 440 Hz tone, left and right.
    const unsigned rate = 44100;
    std::vector<sf::Int16> samples;
    for (unsigned i = 0; i < rate; i++) {
        const auto value = sf::Int16(8000 * std::sin(2 * 3.14159265 * 440 * i / rate));
        samples.push_back(value);
        samples.push_back(value);
    }
    sf::SoundBuffer source;
    ASSERT_TRUE(source.loadFromSamples(samples.data(), samples.size(), 2, rate));
    const std::string wav = (folder / "tone.wav").string(), mp3 = (folder / "tone.mp3").string();
    ASSERT_TRUE(source.saveToFile(wav));
    ASSERT_EQ(std::system(("lame --quiet " + wav + " " + mp3).c_str()), 0);

    sf::SoundBuffer decoded;
    ASSERT_TRUE(decodeWhole(decoded, mp3));
    EXPECT_EQ(decoded.getChannelCount(), 2u);
    EXPECT_EQ(decoded.getSampleRate(), rate);
    EXPECT_EQ(decoded.getSampleCount(), samples.size());
    const sf::Int16* first = decoded.getSamples();
    EXPECT_GT(*std::max_element(first, first + decoded.getSampleCount()), 6000); // the tone survived

    // Stopping rewinds: the first piece after a seek to the start is the first again.
    Mp3Probe stream;
    ASSERT_TRUE(stream.openFromFile(mp3));
    sf::SoundStream::Chunk chunk{};
    while (stream.onGetData(chunk)) {
    }
    stream.onSeek(sf::Time::Zero);
    ASSERT_TRUE(stream.onGetData(chunk));
    ASSERT_GT(chunk.sampleCount, 1000u);
    EXPECT_TRUE(std::equal(chunk.samples, chunk.samples + 1000, first));
}

TEST_F(Mp3, AMissingOrBrokenFileDoesNotOpen) {
    Mp3Stream stream;
    EXPECT_FALSE(stream.openFromFile((folder / "missing.mp3").string()));
    const std::string broken = (folder / "broken.mp3").string();
    std::ofstream(broken) << "this is not an mp3 file at all";
    EXPECT_FALSE(stream.openFromFile(broken));
}

} // namespace
