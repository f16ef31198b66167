// The boss theme's decoder on SFML 2.5: a file that is no MP3 does not open, and an
// MP3 made by lame streams back with its exact length and format, and rewinds to its
// first samples.
#include "tests/support/DecodeWhole.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Mp3 : ::testing::Test {
    fs::path folder = fs::temp_directory_path() / ("vizovid-mp3-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(Mp3, OnlyAnMp3OpensAndAWholeStereoFileStreamsBackAndRewinds) {
    Mp3Probe stream;
    const std::string broken = (folder / "broken.mp3").string(), wav = (folder / "tone.wav").string(),
                      mp3 = (folder / "tone.mp3").string();
    std::ofstream(broken) << "this is not an mp3 file at all";
    EXPECT_FALSE(stream.openFromFile((folder / "missing.mp3").string()) || stream.openFromFile(broken));
    if (std::system("command -v lame > /dev/null") != 0)
        GTEST_SKIP() << "lame is needed to make the MP3 (scripts/install-deps --test installs it)";

    // One second of a 440 Hz tone, left and right.
    const unsigned rate = 44100;
    std::vector<std::int16_t> samples;
    for (unsigned i = 0; i < 2 * rate; i++)
        samples.push_back(std::int16_t(8000 * std::sin(2 * 3.14159265 * 440 * (i / 2) / rate)));
    sf::SoundBuffer source, decoded;
    ASSERT_TRUE(source.loadFromSamples(samples.data(), samples.size(), 2, rate) && source.saveToFile(wav));
    ASSERT_EQ(std::system(("lame --quiet " + wav + " " + mp3).c_str()), 0);
    ASSERT_TRUE(decodeWhole(decoded, mp3));
    EXPECT_EQ(std::make_tuple(decoded.getSampleCount(), decoded.getChannelCount(), decoded.getSampleRate()),
              std::make_tuple(std::uint64_t(samples.size()), 2u, rate));
    const std::int16_t* first = decoded.getSamples();
    EXPECT_GT(*std::max_element(first, first + decoded.getSampleCount()), 6000); // the tone survived

    // Stopping rewinds: the first piece after a seek to the start is the first again.
    ASSERT_TRUE(stream.openFromFile(mp3));
    sf::SoundStream::Chunk chunk{};
    while (stream.onGetData(chunk)) {}
    stream.onSeek(sf::Time::Zero);
    ASSERT_TRUE(stream.onGetData(chunk) && chunk.sampleCount > 1000);
    EXPECT_TRUE(std::equal(chunk.samples, chunk.samples + 1000, first));
}

} // namespace
