// The catalogue as the game loads it: every file from the paths the game reads, the
// smoothing of the three smooth textures, and the arena's walls.
#include "app/Assets.hpp"
#include "app/GameContext.hpp"
#include "support/TestScreen.hpp"

#include <gtest/gtest.h>

namespace {

TEST(Catalogue, LoadAssetsFindsEveryFileAndBuildsTheWalls) {
    openTestScreen();
    loadGameAssets();
    loadAssets(); // again, from scratch: an earlier test may have swapped textures
    EXPECT_EQ(game::arialFont.getInfo().family, "Liberation Sans");
    EXPECT_EQ(game::sourceSansFont.getInfo().family, "Source Sans Pro");
    EXPECT_NE(game::blurShader.getNativeHandle(), 0u);

    const struct {
        const sf::Texture& texture;
        bool smooth;
    } textures[] = {
        {game::infoBarTexture, true}, {game::healthBarOutlineTexture, false}, {game::healthBarTexture, false},
        {game::heartTexture, true}, {game::titleLogoTexture, true}, {game::playerTexture, false},
        {game::bulletSentryTexture, false}, {game::bulletTexture, false}, {game::bombSentryTexture, false},
        {game::bombTexture, false}, {game::homingSentryTexture, false}, {game::homingTexture, false},
        {game::pushwaveSentryTexture, false}, {game::pushwaveTexture, false}, {game::dieSentryTexture, false},
        {game::bossBulletTexture, false}, {game::bossBladeTexture, false}, {game::bossHomingTexture, false},
        {game::laserTexture, false}, {game::laserAlarmTexture, false}, {game::laserSentryTexture, false}};
    for (std::size_t i = 0; i < std::size(textures); i++) {
        EXPECT_GT(textures[i].texture.getSize().x, 0u) << "texture " << i;
        EXPECT_EQ(textures[i].texture.isSmooth(), textures[i].smooth) << "texture " << i;
    }
    const sf::SoundBuffer* buffers[] = {&game::bulletFireBuffer, &game::pushwaveFireBuffer,
                                        &game::bombExplodeBuffer, &game::playerHitBuffer,
                                        &game::homingFireBuffer, &game::buttonPressBuffer};
    for (std::size_t i = 0; i < std::size(buffers); i++)
        EXPECT_GT(buffers[i]->getSampleCount(), 0u) << "buffer " << i;
    EXPECT_EQ(game::buttonSound.getBuffer(), &game::buttonPressBuffer);
    game::musicSound.play(); // the theme opened: it plays
    EXPECT_EQ(game::musicSound.getStatus(), sf::Sound::Playing);
    game::musicSound.stop();

    // The top and left walls reach 10 units into the arena; the others start at its edge.
    ASSERT_GE(game::arenaWalls.size(), 4u);
    game::arenaWalls.erase(game::arenaWalls.begin(), game::arenaWalls.end() - 4);
    const std::vector<sf::FloatRect> walls = {
        {0, -50, 2256, 60}, {0, 900, 2256, 60}, {-50, 0, 60, 900}, {2256, 0, 60, 900}};
    EXPECT_EQ(game::arenaWalls, walls);
}

} // namespace
