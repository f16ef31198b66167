// The asset generator: two runs write the same PNG and WAV bytes, and what it
// writes is what is committed under Assets/ (so nobody changed the art or the sounds
// by hand, or changed the generator without regenerating). The theme is left out:
// it is slow to synthesise and goes through an outside MP3 encoder.
#include <gtest/gtest.h>

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Image.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file under a folder, as paths relative to it.
std::set<std::string> listFiles(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.insert(fs::relative(entry.path(), root).generic_string());
    return files;
}

class Generator : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        base = fs::temp_directory_path() / ("vizovid-assets-" + std::to_string(::getpid()));
        fs::remove_all(base);
        for (const char* run : {"first", "second"}) {
            const fs::path out = base / run;
            const std::string command =
                std::string("\"") + VIZOVID_ASSET_GENERATOR + "\" --no-music --out \"" + out.string() + "\" > /dev/null";
            results.push_back(std::system(command.c_str()));
        }
    }
    static void TearDownTestSuite() { fs::remove_all(base); }

    void SetUp() override {
        for (int result : results)
            ASSERT_EQ(result, 0) << "the generator failed";
    }

    static fs::path base;
    static std::vector<int> results;
};

fs::path Generator::base;
std::vector<int> Generator::results;

TEST_F(Generator, WritesTheSameBytesEveryRun) {
    const auto first = listFiles(base / "first"), second = listFiles(base / "second");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.size(), 21u + 2u + 6u) << "textures, icons and effects";
    for (const std::string& file : first)
        EXPECT_TRUE(readBytes(base / "first" / file) == readBytes(base / "second" / file)) << file << " differs";
}

TEST_F(Generator, WroteWhatIsCommitted) {
    // Pixels and samples rather than bytes: another SFML may compress differently.
    for (const std::string& file : listFiles(base / "first")) {
        const fs::path made = base / "first" / file, committed = fs::path("Assets") / file;
        ASSERT_TRUE(fs::exists(committed)) << file << " is not committed";
        if (made.extension() == ".png") {
            sf::Image a, b;
            ASSERT_TRUE(a.loadFromFile(made.string()) && b.loadFromFile(committed.string())) << file;
            ASSERT_EQ(a.getSize(), b.getSize()) << file;
            const sf::Uint8* p = a.getPixelsPtr();
            const sf::Uint8* q = b.getPixelsPtr();
            int worst = 0;
            for (std::size_t i = 0; i < std::size_t(a.getSize().x) * a.getSize().y * 4; i++)
                worst = std::max(worst, std::abs(int(p[i]) - int(q[i])));
            EXPECT_LE(worst, 1) << file << " is not what the generator draws: regenerate it";
        } else {
            sf::SoundBuffer a, b;
            ASSERT_TRUE(a.loadFromFile(made.string()) && b.loadFromFile(committed.string())) << file;
            ASSERT_EQ(a.getSampleCount(), b.getSampleCount()) << file;
            int worst = 0;
            for (std::size_t i = 0; i < a.getSampleCount(); i++)
                worst = std::max(worst, std::abs(int(a.getSamples()[i]) - int(b.getSamples()[i])));
            EXPECT_LE(worst, 2) << file << " is not what the generator synthesises: regenerate it";
        }
    }
}

} // namespace
