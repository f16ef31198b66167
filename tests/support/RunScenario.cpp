#include "support/RunScenario.hpp"

#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"

#include <cstdlib>

void useTestTextures() {
    const unsigned shot = testBulletSize;
    const unsigned sentry = testSentrySize;
    const struct {
        sf::Texture& texture;
        unsigned width, height;
    } plain[] = {
        {game::playerTexture, testPlayerSize, testPlayerSize},
        {game::bulletTexture, shot, shot},
        {game::homingTexture, shot, shot},
        {game::bossBulletTexture, shot, shot},
        {game::bulletSentryTexture, sentry, sentry},
        {game::homingSentryTexture, sentry, sentry},
        {game::pushwaveSentryTexture, sentry, sentry},
        {game::bombSentryTexture, 2 * sentry, sentry},
        {game::bombTexture, 1200, 300},
        {game::pushwaveTexture, 40, 217},
        {game::healthBarTexture, 760, 100},
        {game::laserTexture, 64, 64},
        {game::laserAlarmTexture, 64, 15},
        {game::laserSentryTexture, sentry, sentry},
    };
    for (const auto& each : plain) {
        sf::Image image = compat::makeImage({each.width, each.height}, sf::Color::White);
        (void)each.texture.loadFromImage(image);
    }
}

void RunScenario::SetUp() {
    openTestScreen();
    loadGameAssets(); // the arena's own walls among them
    useTestTextures();
    input.script.frameStep = sf::microseconds(16667); // capped to 1/60 s by the run
    // Totals grown by earlier runs of the tests would swallow a frame's worth of float.
    game::saveData.timeSpentDodging = 0;
    game::saveData.timeSpentDodgingDieSentry = 0;
    game::saveData.distanceTravelled = 0;
}

void RunScenario::TearDown() {
    resetRun();
    game::runActive = true;
    game::saveData.rgbSkinEnabled = false;
}

void RunScenario::startTestRun(game::Difficulty difficulty, unsigned seed) {
    resetRun();
    std::srand(seed);
    game::difficulty = difficulty;
    game::frameTime = 0;
    startRun();
    game::runActive = true;
    // As if the screen before had just ended a frame: the first run frame lasts one step.
    game::frameClock.restart();
    input::endFrame();
}

void RunScenario::frame() {
    updateRunFrame();
}

void RunScenario::frames(int count) {
    for (int i = 0; i < count; i++)
        updateRunFrame();
}

void RunScenario::holdKeys(std::vector<sf::Keyboard::Key> keys) {
    input.script.keys = std::move(keys);
}
