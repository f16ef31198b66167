// The committed asset tree: every file the game loads is there and loads, with the
// layout the drawing code cuts it to; the shader blurs. Runs from the repository
// root, under an X display (textures need OpenGL).
#include "tests/support/DecodeWhole.hpp"

#include <gtest/gtest.h>

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics.hpp>

#include <cmath>
#include <string>

namespace {

sf::Vector2u sizeOf(const std::string& name) {
    sf::Texture texture;
    EXPECT_TRUE(texture.loadFromFile("Assets/Textures/" + name + ".png")) << name;
    return texture.getSize();
}

// Sheets and slices the drawing code cuts by fixed rectangles, and the player that
// every hit test measures shots against.
TEST(Textures, SheetsSlicesAndThePlayerHaveTheSizesTheGameReliesOn) {
    const struct {
        const char* name;
        unsigned minWidth, maxWidth, minHeight, maxHeight;
    } sizes[] = {
        {"bombSentry", 192, 192, 96, 96},       // idle, armed
        {"bomb", 1200, 1200, 300, 300},         // marker, three blast frames
        {"dieSentry", 1750, 1750, 250, 250},    // seven frames
        {"healthBar", 760, 760, 100, 100},
        {"healthBarOutline", 760, 760, 100, 100},
        {"laser", 1, 4096, 64, 64},
        {"laserAlarm", 1, 4096, 15, 15},
        {"pushwave", 40, 4096, 217, 4096},      // the last slice starts at 177 and is 40 high
        // At the player's scale of 0.8 a 40-unit wave segment must fit with room for
        // the 22.2 units between segments, or a wave could pass the player by.
        {"player", 78, 4096, 78, 4096},
    };
    for (const auto& s : sizes) {
        const sf::Vector2u size = sizeOf(s.name);
        EXPECT_TRUE(size.x >= s.minWidth && size.x <= s.maxWidth) << s.name << " is " << size.x << " wide";
        EXPECT_TRUE(size.y >= s.minHeight && size.y <= s.maxHeight) << s.name << " is " << size.y << " high";
    }
    // Every shot, turned any way (its bounds' diagonal), fits inside the player too.
    const float player = 0.8f * float(sizeOf("player").x);
    for (const auto& [name, scale] : {std::pair{"bullet", 0.75}, {"bossBullet", 0.75}, {"bossBlade", 0.75},
                                      {"homing", 1.3}, {"bossHoming", 1.3}}) {
        const sf::Vector2u shot = sizeOf(name);
        EXPECT_LT(scale * std::hypot(shot.x, shot.y), player) << name;
    }
}

TEST(Files, FontsIconsSoundsAndTheThemeLoad) {
    sf::Font font;
    EXPECT_TRUE(font.loadFromFile("Assets/Fonts/ARIAL.ttf"));
    EXPECT_TRUE(font.loadFromFile("Assets/Fonts/SOURCESANSPRO.otf"));
    EXPECT_EQ(sizeOf("../Icons/vizovid-256"), sf::Vector2u(256, 256));
    EXPECT_EQ(sizeOf("../Icons/vizovid-64"), sf::Vector2u(64, 64));
    for (const char* name : {"bulletFire", "pushwaveFire", "bombExplode", "playerHit", "homingFire", "buttonPress"}) {
        sf::SoundBuffer buffer;
        EXPECT_TRUE(buffer.loadFromFile(std::string("Assets/Sounds/") + name + ".wav")) << name;
    }
    // A held click counts once per playback of the press sound: a tenth to a fifth of a second.
    sf::SoundBuffer press;
    ASSERT_TRUE(press.loadFromFile("Assets/Sounds/buttonPress.wav"));
    EXPECT_GE(press.getDuration().asSeconds(), 0.1f);
    EXPECT_LE(press.getDuration().asSeconds(), 0.2f);
    // The theme outlasts the fight's 227 s programme.
    sf::SoundBuffer theme;
    ASSERT_TRUE(decodeWhole(theme, "Assets/Music/dieSentryTheme.mp3"));
    EXPECT_GE(theme.getDuration().asSeconds(), 227.0f);
}

// One pass, set up the way the pause menu and the death screen do it, over black on
// the left half and white on the right: the edge softens, flat areas stay.
TEST(BlurShader, SoftensAnEdgeAndLeavesFlatAreasAlone) {
    if (!sf::Shader::isAvailable())
        GTEST_SKIP() << "no shader support on this display";
    sf::Shader shader;
    ASSERT_TRUE(shader.loadFromFile("Assets/Shaders/blur.frag", sf::Shader::Fragment));
    sf::Image edge;
    edge.create(64, 64, sf::Color::Black);
    for (unsigned y = 0; y < 64; y++)
        for (unsigned x = 32; x < 64; x++)
            edge.setPixel(x, y, sf::Color::White);
    sf::Texture texture;
    texture.loadFromImage(edge);
    sf::RenderTexture target;
    target.create(64, 64);
    shader.setUniform("texture", texture);
    shader.setUniform("resolution", sf::Vector2f(64, 64));
    shader.setUniform("radius", 7.0f);
    target.clear(sf::Color::Black);
    target.draw(sf::Sprite(texture), sf::RenderStates(&shader));
    target.display();
    const sf::Image out = target.getTexture().copyToImage();
    EXPECT_GT(out.getPixel(30, 32).r, 20) << "no light crept over the edge";
    EXPECT_LT(out.getPixel(33, 32).r, 235) << "no shade crept over the edge";
    EXPECT_LE(out.getPixel(8, 32).r, 2);
    EXPECT_GE(out.getPixel(56, 32).r, 253);
}

} // namespace
