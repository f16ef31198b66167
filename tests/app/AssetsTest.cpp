// The catalogue as the game loads it: every file from the paths the game reads, under
// the folder where Assets/ was found, and the smoothing of the three smooth
// textures. (Where the walls stand, the player's run shows.)
#include "app/Assets.hpp"
#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "support/TestScreen.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

TEST(Catalogue, LoadAssetsFindsEveryFile) {
    openTestScreen();
    loadGameAssets();
    // Again, from scratch (an earlier test may have swapped textures), as an installed
    // game started from another folder: nothing may come from the working one.
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(testing::TempDir());
    const auto root = std::exchange(game::folders.assetRoot, VIZOVID_SOURCE_DIR);
    loadAssets();
    game::folders.assetRoot = root;
    std::filesystem::current_path(here);
    EXPECT_EQ(game::arialFont.getInfo().family, "Liberation Sans");
    EXPECT_EQ(game::sourceSansFont.getInfo().family, "Source Sans Pro");
    EXPECT_NE(game::blurShader.getNativeHandle(), 0u);

    sf::Texture* const smooth[] = {&game::infoBarTexture, &game::heartTexture, &game::titleLogoTexture};
    for (const sf::Texture* t :
         {smooth[0], smooth[1], smooth[2], &game::healthBarOutlineTexture, &game::healthBarTexture,
          &game::playerTexture, &game::bulletSentryTexture, &game::bulletTexture, &game::bombSentryTexture,
          &game::bombTexture, &game::homingSentryTexture, &game::homingTexture, &game::pushwaveSentryTexture,
          &game::pushwaveTexture, &game::dieSentryTexture, &game::bossBulletTexture, &game::bossBladeTexture,
          &game::bossHomingTexture, &game::laserTexture, &game::laserAlarmTexture, &game::laserSentryTexture})
        EXPECT_TRUE(t->getSize().x > 0 && t->isSmooth() == (std::count(smooth, smooth + 3, t) > 0)) << "texture " << t;
    for (const sf::SoundBuffer* buffer : {&game::bulletFireBuffer, &game::pushwaveFireBuffer, &game::bombExplodeBuffer,
                                          &game::playerHitBuffer, &game::homingFireBuffer, &game::buttonPressBuffer})
        EXPECT_GT(buffer->getSampleCount(), 0u) << "buffer " << buffer;
    EXPECT_EQ(compat::bufferOf(game::buttonSound), &game::buttonPressBuffer);
    game::musicSound.play(); // the theme opened: it plays
    EXPECT_EQ(game::musicSound.getStatus(), sf::SoundSource::Status::Playing);
    game::musicSound.stop();
}

} // namespace
