// The boss theme's decoder: an MP3 made by lame comes back with its exact length,
// and a file that is no MP3 leaves the buffer as it was.
#include "app/Mp3.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Mp3 : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("vizovid-mp3-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(Mp3, DecodesAWholeStereoFile) {
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

    sf::SoundBuffer buffer;
    ASSERT_TRUE(loadMp3(buffer, mp3));
    EXPECT_EQ(buffer.getChannelCount(), 2u);
    EXPECT_EQ(buffer.getSampleRate(), rate);
    EXPECT_EQ(buffer.getSampleCount(), samples.size());
    // Not silence: the tone survived the round trip.
    sf::Int16 loudest = 0;
    for (std::size_t i = 0; i < buffer.getSampleCount(); i++)
        loudest = std::max(loudest, buffer.getSamples()[i]);
    EXPECT_GT(loudest, 6000);
}

TEST_F(Mp3, AMissingOrBrokenFileLeavesTheBufferAlone) {
    const std::vector<sf::Int16> samples(100, 7);
    sf::SoundBuffer buffer;
    ASSERT_TRUE(buffer.loadFromSamples(samples.data(), samples.size(), 1, 22050));

    EXPECT_FALSE(loadMp3(buffer, (folder / "missing.mp3").string()));
    const std::string broken = (folder / "broken.mp3").string();
    std::ofstream(broken) << "this is not an mp3 file at all";
    EXPECT_FALSE(loadMp3(buffer, broken));

    EXPECT_EQ(buffer.getSampleCount(), 100u);
    EXPECT_EQ(buffer.getSampleRate(), 22050u);
}

} // namespace
