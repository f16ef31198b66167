// The committed asset tree: every file the game loads is there and loads, with the
// layout the drawing code cuts it to; the shader blurs. Runs from the repository
// root, under an X display (textures need OpenGL).
#include "platform/SfmlCompat.hpp"

#include <gtest/gtest.h>

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics.hpp>

#include <cmath>
#include <string>

namespace {

// A texture's size; none if it does not load.
sf::Vector2u sizeOf(const std::string& name) {
    sf::Texture texture;
    return texture.loadFromFile("Assets/Textures/" + name + ".png") ? texture.getSize() : sf::Vector2u();
}

// Sheets and slices the drawing code cuts by fixed rectangles, and the player that
// every hit test measures shots against.
TEST(Textures, SheetsSlicesAndThePlayerHaveTheSizesTheGameReliesOn) {
    struct Size { const char* name; unsigned minWidth, maxWidth, minHeight, maxHeight; };
    const Size sizes[] = {
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
        EXPECT_TRUE(size.x >= s.minWidth && size.x <= s.maxWidth && size.y >= s.minHeight && size.y <= s.maxHeight)
            << s.name << " is " << size.x << " by " << size.y;
    }
    // Every shot, turned any way (its bounds' diagonal), fits inside the player too.
    const float player = 0.8f * float(sizeOf("player").x);
    for (const auto& [name, scale] : {std::pair{"bullet", 0.75}, {"bossBullet", 0.75}, {"bossBlade", 0.75},
                                      {"homing", 1.3}, {"bossHoming", 1.3}})
        EXPECT_LT(scale * std::hypot(sizeOf(name).x, sizeOf(name).y), player) << name;
}

// That the game loads every file, the catalogue test of the display tests checks;
// here the icons, and the length of the press sound: a held click counts once per
// playback of it, so it lasts a tenth to a fifth of a second.
TEST(Files, IconsAndTheLengthOfThePressSound) {
    EXPECT_EQ(sizeOf("../Icons/vizovid-256"), sf::Vector2u(256, 256));
    EXPECT_EQ(sizeOf("../Icons/vizovid-64"), sf::Vector2u(64, 64));
    sf::SoundBuffer sound;
    ASSERT_TRUE(sound.loadFromFile("Assets/Sounds/buttonPress.wav"));
    EXPECT_GE(sound.getDuration().asSeconds(), 0.1f);
    EXPECT_LE(sound.getDuration().asSeconds(), 0.2f);
}

// One pass, set up the way the pause menu and the death screen do it, over black on
// the left half and white on the right: the edge softens, flat areas stay.
TEST(BlurShader, SoftensAnEdgeAndLeavesFlatAreasAlone) {
    if (!sf::Shader::isAvailable())
        GTEST_SKIP() << "no shader support on this display";
    sf::Shader shader;
    sf::Image edge = compat::makeImage({64, 64}, sf::Color::Black);
    sf::Texture texture;
    sf::RenderTexture target;
    for (unsigned i = 0; i < 32 * 64; i++)
        compat::setPixel(edge, 32 + i % 32, i / 32, sf::Color::White);
    ASSERT_TRUE(shader.loadFromFile("Assets/Shaders/blur.frag", sf::Shader::Type::Fragment) && texture.loadFromImage(edge)
                && compat::resize(target, {64, 64}));
    shader.setUniform("texture", texture);
    shader.setUniform("resolution", sf::Vector2f(64, 64));
    shader.setUniform("radius", 7.0f);
    target.clear(sf::Color::Black);
    target.draw(compat::Sprite(texture), sf::RenderStates(&shader));
    target.display();
    const sf::Image out = target.getTexture().copyToImage();
    const auto red = [&](unsigned x) { return compat::pixel(out, x, 32).r; };
    EXPECT_TRUE(red(30) > 20 && red(33) < 235) << "light and shade cross the edge: " << +red(30) << ", " << +red(33);
    EXPECT_TRUE(red(8) <= 2 && red(56) >= 253) << "flat areas stay: " << +red(8) << ", " << +red(56);
}

} // namespace
