// The asset generator writes what is committed under Assets/ (so nobody changed the
// art or the sounds by hand, or changed the generator without regenerating). The theme is left out:
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

// Every file under a folder, as paths relative to it.
std::set<std::string> listFiles(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.insert(fs::relative(entry.path(), root).generic_string());
    return files;
}

// One run of the generator into a scratch folder.
class Generator : public ::testing::Test {
protected:
    fs::path out = fs::temp_directory_path() / ("vizovid-assets-" + std::to_string(::getpid()));
    void SetUp() override {
        fs::remove_all(out);
        const std::string command =
            std::string("\"") + VIZOVID_ASSET_GENERATOR + "\" --no-music --out \"" + out.string() + "\" > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << "the generator failed";
    }
    void TearDown() override { fs::remove_all(out); }
};

TEST_F(Generator, WritesWhatIsCommitted) {
    EXPECT_EQ(listFiles(out).size(), 21u + 2u + 6u) << "textures, icons and effects";
    // Pixels and samples rather than bytes: another SFML may compress differently.
    for (const std::string& file : listFiles(out)) {
        const fs::path made = out / file, committed = fs::path("Assets") / file;
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
