// The committed asset tree: every file the game loads is there and loads, and each
// has the layout the game's drawing code relies on (frame sheets, slice heights,
// sizes that fit the HUD), plus the properties that make the art work in play: a
// player texture the skin colour can tint, beams that stretch without seams, bullets
// that stay visible as they redden, a pushwave strip that reads as one even front.
// Runs from the repository root, under an X display (textures need OpenGL).
#include "tests/support/DecodeWhole.hpp"

#include <gtest/gtest.h>

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const char* const textureFiles[] = {
    "infoBar", "healthBarOutline", "healthBar", "heart", "TitleLogo", "player", "bulletSentry",
    "bullet", "bombSentry", "bomb", "homingSentry", "homing", "pushwaveSentry", "pushwave",
    "dieSentry", "bossBullet", "bossBlade", "bossHoming", "laser", "laserAlarm", "laserSentry"};

std::string texturePath(const std::string& name) { return "Assets/Textures/" + name + ".png"; }

sf::Image loadImage(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(path)) << path;
    return image;
}

sf::Vector2u sizeOf(const std::string& name) { return loadImage(texturePath(name)).getSize(); }

// Alpha-weighted share of a frame's pixels that are visible, 0 to 1.
double coverage(const sf::Image& image, sf::IntRect frame) {
    double sum = 0;
    for (int y = frame.top; y < frame.top + frame.height; y++)
        for (int x = frame.left; x < frame.left + frame.width; x++)
            sum += image.getPixel(unsigned(x), unsigned(y)).a / 255.0;
    return sum / double(frame.width * frame.height);
}

// Mean absolute difference of two frames over all four channels, 0 to 255.
double difference(const sf::Image& image, sf::IntRect a, sf::IntRect b) {
    double sum = 0;
    for (int y = 0; y < a.height; y++)
        for (int x = 0; x < a.width; x++) {
            const sf::Color p = image.getPixel(unsigned(a.left + x), unsigned(a.top + y));
            const sf::Color q = image.getPixel(unsigned(b.left + x), unsigned(b.top + y));
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) + std::abs(p.a - q.a);
        }
    return sum / (4.0 * a.width * a.height);
}

// ---- Textures ------------------------------------------------------------------

TEST(Textures, EveryCatalogueTextureLoadsAsATexture) {
    for (const char* name : textureFiles) {
        sf::Texture texture;
        ASSERT_TRUE(texture.loadFromFile(texturePath(name), sf::IntRect())) << name;
        EXPECT_GT(texture.getSize().x, 0u) << name;
        EXPECT_GT(texture.getSize().y, 0u) << name;
    }
}

TEST(Textures, SheetsAndSlicesHaveTheSizesTheGameCutsThemTo) {
    EXPECT_EQ(sizeOf("bombSentry"), sf::Vector2u(192, 96));  // idle, armed
    EXPECT_EQ(sizeOf("bomb"), sf::Vector2u(1200, 300));      // marker, three blast frames
    EXPECT_EQ(sizeOf("dieSentry"), sf::Vector2u(1750, 250)); // seven frames
    EXPECT_EQ(sizeOf("healthBar"), sf::Vector2u(760, 100));
    EXPECT_EQ(sizeOf("healthBarOutline"), sf::Vector2u(760, 100));
    EXPECT_EQ(sizeOf("laser").y, 64u);
    EXPECT_EQ(sizeOf("laserAlarm").y, 15u);
    const sf::Vector2u pushwave = sizeOf("pushwave");
    EXPECT_GE(pushwave.x, 40u);
    EXPECT_GE(pushwave.y, 217u); // the last slice starts at 177 and is 40 high
}

TEST(Textures, HudPiecesFitTheirPlacesOnTheScreen) {
    // Positions in the 1920 x 1080 HUD space.
    const sf::Vector2u infoBar = sizeOf("infoBar"), heart = sizeOf("heart"), logo = sizeOf("TitleLogo");
    EXPECT_LE(790 + infoBar.y, 1080u);
    EXPECT_LE(10 + infoBar.x, 586u) << "the info bar runs under the heart";
    EXPECT_GE(10 + infoBar.x, 520u) << "the longest feed line would stick out";
    EXPECT_LE(586 + heart.x, 676u) << "the heart runs into the clock";
    EXPECT_LE(860 + heart.y, 970u) << "the heart runs into the health bar";
    // The logo is centred at (960, 240), above the "Play" button whose top is at 490.
    EXPECT_LE(240 + logo.y / 2, 490u);
    EXPECT_LE(logo.y / 2, 240u);
    EXPECT_LE(logo.x, 1920u);
}

TEST(Textures, EveryFrameOfASheetIsDrawnAndDiffersFromItsNeighbour) {
    const struct {
        const char* name;
        int frames, size;
    } sheets[] = {{"bombSentry", 2, 96}, {"bomb", 4, 300}, {"dieSentry", 7, 250}};
    for (const auto& sheet : sheets) {
        const sf::Image image = loadImage(texturePath(sheet.name));
        const auto frame = [&](int i) { return sf::IntRect(i * sheet.size, 0, sheet.size, sheet.size); };
        for (int i = 0; i < sheet.frames; i++) {
            EXPECT_GT(coverage(image, frame(i)), 0.05) << sheet.name << " frame " << i << " is empty";
            if (i > 0) {
                EXPECT_GT(difference(image, frame(i - 1), frame(i)), 1.0) << sheet.name << " frame " << i << " repeats";
            }
        }
    }
}

TEST(Textures, TheBossRestsOnFrameZeroAndAnimatesAwayFromIt) {
    const sf::Image image = loadImage(texturePath("dieSentry"));
    for (int i = 1; i <= 6; i++)
        EXPECT_GT(difference(image, {0, 0, 250, 250}, {250 * i, 0, 250, 250}), 1.0) << "frame " << i;
}

TEST(Textures, ThePlayerIsNeutralSoTheSkinColourTintsIt) {
    // The sprite colour multiplies the texture: any hue in it would shift the skin.
    const sf::Image image = loadImage(texturePath("player"));
    int brightest = 0;
    for (unsigned y = 0; y < image.getSize().y; y++)
        for (unsigned x = 0; x < image.getSize().x; x++) {
            const sf::Color p = image.getPixel(x, y);
            if (p.a == 0)
                continue;
            EXPECT_LE(std::abs(p.r - p.g) + std::abs(p.g - p.b), 2) << "tinted pixel at " << x << ", " << y;
            brightest = std::max<int>(brightest, p.r);
        }
    EXPECT_EQ(brightest, 255) << "the skin colour would never show at full strength";
}

TEST(Textures, ThePlayerIsBigEnoughForEveryShotToLieInsideIt) {
    // Shots hurt, and waves carry, only when wholly inside the player's bounds. At
    // the player's scale of 0.8, a 40-unit wave segment must fit with room for the
    // 22.2 units between segments, or a wave could pass the player by.
    const sf::Vector2u player = sizeOf("player");
    EXPECT_GE(0.8 * player.x - 40, 22.23);
    EXPECT_GE(0.8 * player.y - 40, 22.23);
    // Every bullet, turned any way (its bounds' diagonal), fits too.
    for (const auto& [name, scale] : {std::pair{"bullet", 0.75}, {"bossBullet", 0.75}, {"bossBlade", 0.75},
                                      {"homing", 1.3}, {"bossHoming", 1.3}}) {
        const sf::Vector2u shot = sizeOf(name);
        EXPECT_LT(scale * std::hypot(shot.x, shot.y), 0.8 * player.x) << name;
    }
}

TEST(Textures, BeamsAreTheSameInEveryColumnSoTheyStretchWithoutSeams) {
    // Beams are drawn with texture rectangles far wider than the image.
    for (const char* name : {"laser", "laserAlarm"}) {
        const sf::Image image = loadImage(texturePath(name));
        for (unsigned y = 0; y < image.getSize().y; y++)
            for (unsigned x = 1; x < image.getSize().x; x++)
                ASSERT_EQ(image.getPixel(x, y).toInteger(), image.getPixel(0, y).toInteger()) << name << " at " << x << ", " << y;
    }
}

TEST(Textures, ABeamIsVisibleAcrossAllOfTheHeightThatHurts) {
    const sf::Image image = loadImage(texturePath("laser"));
    for (unsigned y = 0; y < image.getSize().y; y++)
        EXPECT_GE(image.getPixel(0, y).a, 48) << "row " << y;
}

TEST(Textures, ReddeningBulletsKeepTheirRedSoTheyNeverTurnBlack) {
    // Bullets are tinted (255, g, g) with g falling to 0 as they travel.
    for (const char* name : {"bullet", "bossBullet", "bossBlade"}) {
        const sf::Image image = loadImage(texturePath(name));
        double red = 0, weight = 0;
        for (unsigned y = 0; y < image.getSize().y; y++)
            for (unsigned x = 0; x < image.getSize().x; x++) {
                const sf::Color p = image.getPixel(x, y);
                red += p.r * (p.a / 255.0);
                weight += p.a / 255.0;
            }
        ASSERT_GT(weight, 0) << name;
        EXPECT_GE(red / weight, 230) << name;
    }
}

TEST(Textures, PushwaveSlicesTogetherMakeOneEvenFront) {
    // Lay the nine 40 x 40 slices over each other as the wave's segments stand (each
    // row of the strip lands on the same spot whichever slice draws it) and blend
    // them like the game does; the opacity of neighbouring rows must not jump.
    const sf::Image strip = loadImage(texturePath("pushwave"));
    const int width = 40, height = 217;
    std::vector<double> opacity(std::size_t(width * height), 0.0);
    for (int s = 0; s < 9; s++) {
        const int top = int(s * 22.22222222222222);
        for (int y = top; y < top + 40; y++)
            for (int x = 0; x < width; x++) {
                const double a = strip.getPixel(unsigned(x), unsigned(y)).a / 255.0;
                double& o = opacity[std::size_t(y * width + x)];
                o = a + o * (1 - a);
            }
    }
    const auto rowMean = [&](int y) {
        double sum = 0;
        for (int x = 0; x < width; x++)
            sum += opacity[std::size_t(y * width + x)];
        return sum / width;
    };
    double strongest = 0;
    for (int y = 24; y < height - 25; y++) {
        EXPECT_LT(std::fabs(rowMean(y + 1) - rowMean(y)), 0.03) << "a band between rows " << y << " and " << y + 1;
        strongest = std::max(strongest, rowMean(y));
    }
    EXPECT_GT(strongest, 0.3) << "the front is too faint to see";
}

// ---- Icons, fonts, shader --------------------------------------------------------

TEST(Icons, ComeInTwoSquareSizes) {
    EXPECT_EQ(loadImage("Assets/Icons/vizovid-256.png").getSize(), sf::Vector2u(256, 256));
    EXPECT_EQ(loadImage("Assets/Icons/vizovid-64.png").getSize(), sf::Vector2u(64, 64));
}

TEST(Fonts, BothFacesLoadWithTheirLicences) {
    sf::Font arial, sourceSans;
    ASSERT_TRUE(arial.loadFromFile("Assets/Fonts/ARIAL.ttf"));
    ASSERT_TRUE(sourceSans.loadFromFile("Assets/Fonts/SOURCESANSPRO.otf"));
    EXPECT_EQ(arial.getInfo().family, "Liberation Sans");
    EXPECT_EQ(sourceSans.getInfo().family, "Source Sans Pro");
    EXPECT_TRUE(std::filesystem::exists("Assets/Fonts/LICENSE-LiberationSans.txt"));
    EXPECT_TRUE(std::filesystem::exists("Assets/Fonts/LICENSE-SourceSansPro.md"));
}

class BlurShader : public ::testing::Test {
protected:
    void SetUp() override {
        if (!sf::Shader::isAvailable())
            GTEST_SKIP() << "no shader support on this display";
        ASSERT_TRUE(shader.loadFromFile("Assets/Shaders/blur.frag", sf::Shader::Fragment));
    }

    // One pass over the image, set up the way the pause menu and death screen do it.
    sf::Image blur(const sf::Image& source) {
        sf::Texture texture;
        texture.loadFromImage(source);
        sf::RenderTexture target;
        target.create(source.getSize().x, source.getSize().y);
        shader.setUniform("texture", texture);
        shader.setUniform("resolution", sf::Vector2f(source.getSize()));
        shader.setUniform("radius", 7.0f);
        target.clear(sf::Color::Black);
        target.draw(sf::Sprite(texture), sf::RenderStates(&shader));
        target.display();
        return target.getTexture().copyToImage();
    }

    sf::Shader shader;
};

TEST_F(BlurShader, SoftensAnEdgeAndLeavesFlatAreasAlone) {
    // Black on the left half, white on the right.
    sf::Image edge;
    edge.create(64, 64, sf::Color::Black);
    for (unsigned y = 0; y < 64; y++)
        for (unsigned x = 32; x < 64; x++)
            edge.setPixel(x, y, sf::Color::White);
    const sf::Image out = blur(edge);
    EXPECT_GT(out.getPixel(30, 32).r, 20) << "no light crept over the edge";
    EXPECT_LT(out.getPixel(33, 32).r, 235) << "no shade crept over the edge";
    EXPECT_LE(out.getPixel(8, 32).r, 2);
    EXPECT_GE(out.getPixel(56, 32).r, 253);
}

TEST_F(BlurShader, KeepsTheBrightnessOfAnEvenColour) {
    // The taps' weights add up to one: a flat picture comes out as it went in.
    sf::Image flat;
    flat.create(32, 32, sf::Color(120, 60, 200));
    const sf::Color c = blur(flat).getPixel(16, 16);
    EXPECT_NEAR(c.r, 120, 2);
    EXPECT_NEAR(c.g, 60, 2);
    EXPECT_NEAR(c.b, 200, 2);
}

// ---- Sounds and music ------------------------------------------------------------

TEST(Sounds, EveryEffectLoadsShortLoudAndUnclipped) {
    for (const char* name : {"bulletFire", "pushwaveFire", "bombExplode", "playerHit", "homingFire", "buttonPress"}) {
        sf::SoundBuffer buffer;
        ASSERT_TRUE(buffer.loadFromFile(std::string("Assets/Sounds/") + name + ".wav")) << name;
        const float seconds = buffer.getDuration().asSeconds();
        EXPECT_GT(seconds, 0.05f) << name;
        EXPECT_LT(seconds, 1.5f) << name << " is too long for an effect played this often";
        int loudest = 0;
        for (std::size_t i = 0; i < buffer.getSampleCount(); i++)
            loudest = std::max(loudest, std::abs(int(buffer.getSamples()[i])));
        EXPECT_GT(loudest, 8000) << name << " is nearly silent";
        EXPECT_LT(loudest, 32767) << name << " clips";
    }
}

TEST(Sounds, TheButtonTickIsShortEnoughForAClickToCountOnce) {
    // A held click counts once per playback of this sound.
    sf::SoundBuffer buffer;
    ASSERT_TRUE(buffer.loadFromFile("Assets/Sounds/buttonPress.wav"));
    EXPECT_GE(buffer.getDuration().asSeconds(), 0.1f);
    EXPECT_LE(buffer.getDuration().asSeconds(), 0.2f);
}

TEST(Music, TheThemeLastsTheFightAndBuildsUp) {
    sf::SoundBuffer theme;
    ASSERT_TRUE(decodeWhole(theme, "Assets/Music/dieSentryTheme.mp3"));
    EXPECT_EQ(theme.getChannelCount(), 2u);
    const float seconds = theme.getDuration().asSeconds();
    EXPECT_GE(seconds, 220.0f);
    EXPECT_LE(seconds, 240.0f);

    // Loudness (RMS) over a stretch of the fight.
    const auto loudness = [&](float from, float to) {
        const std::size_t rate = theme.getSampleRate() * theme.getChannelCount();
        double sum = 0;
        const std::size_t first = std::size_t(from * rate), last = std::size_t(to * rate);
        for (std::size_t i = first; i < last; i++)
            sum += double(theme.getSamples()[i]) * theme.getSamples()[i];
        return std::sqrt(sum / double(last - first));
    };
    const double opening = loudness(8, 60), pause = loudness(66, 69), finale = loudness(180, 220);
    EXPECT_GT(finale, opening * 1.2) << "the final barrage is no bigger than the first";
    EXPECT_LT(pause, opening) << "the pause between attacks does not let up";
}

} // namespace
