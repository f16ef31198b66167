// The asset generator writes what is committed under Assets/ (so nobody changed the
// art or the sounds by hand, or changed the generator without regenerating). The theme is left out:
// it is slow to synthesise and goes through an outside MP3 encoder.
#include <gtest/gtest.h>

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The largest difference between two runs of pixel channels or of samples.
template <typename T> int worstDifference(const T* a, const T* b, std::size_t count) {
    return std::transform_reduce(a, a + count, b, 0, [](int x, int y) { return std::max(x, y); },
                                 [](int x, int y) { return std::abs(x - y); });
}

// One run of the generator into a scratch folder, removed afterwards.
struct Generator : ::testing::Test {
    fs::path out = fs::temp_directory_path() / ("vizovid-assets-" + std::to_string(::getpid()));
    void TearDown() override { fs::remove_all(out); }
};

TEST_F(Generator, WritesWhatIsCommitted) {
    const std::string command = std::string("\"") + VIZOVID_ASSET_GENERATOR + "\" --no-music --out \"" + out.string();
    ASSERT_EQ(std::system((command + "\" > /dev/null").c_str()), 0) << "the generator failed";
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(out)) {
        if (!entry.is_regular_file())
            continue;
        const std::string file = fs::relative(entry.path(), out).generic_string();
        const std::string made = entry.path().string();
        const std::string committed = "Assets/" + file;
        files++;
        // Pixels and samples rather than bytes: another SFML may compress differently.
        sf::Image a, b;
        sf::SoundBuffer c, d;
        const bool png = entry.path().extension() == ".png";
        ASSERT_TRUE(png ? a.loadFromFile(made) && b.loadFromFile(committed) && a.getSize() == b.getSize()
                        : c.loadFromFile(made) && d.loadFromFile(committed) && c.getSampleCount() == d.getSampleCount())
            << file << " is not committed, does not load or differs in size";
        const int worst = png ? worstDifference(a.getPixelsPtr(), b.getPixelsPtr(), a.getSize().x * a.getSize().y * 4)
                              : worstDifference(c.getSamples(), d.getSamples(), c.getSampleCount());
        EXPECT_LE(worst, png ? 1 : 2) << file << " is not what the generator makes: regenerate it";
    }
    EXPECT_EQ(files, 21 + 2 + 6) << "textures, icons and effects";
}

} // namespace
