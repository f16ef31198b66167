#include "support/RunScenario.hpp"

#include "app/GameContext.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"

#include <cstdlib>

namespace {

void plain(sf::Texture& texture, unsigned width, unsigned height) {
    sf::Image image;
    image.create(width, height, sf::Color::White);
    texture.loadFromImage(image);
}

} // namespace

void useTestTextures() {
    plain(game::playerTexture, testPlayerSize, testPlayerSize);
    plain(game::bulletTexture, testBulletSize, testBulletSize);
    plain(game::homingTexture, testBulletSize, testBulletSize);
    plain(game::bossBulletTexture, testBulletSize, testBulletSize);
    plain(game::bulletSentryTexture, testSentrySize, testSentrySize);
    plain(game::homingSentryTexture, testSentrySize, testSentrySize);
    plain(game::pushwaveSentryTexture, testSentrySize, testSentrySize);
    plain(game::bombSentryTexture, 2 * testSentrySize, testSentrySize);
    plain(game::bombTexture, 1200, 300);
    plain(game::pushwaveTexture, 40, 217);
    plain(game::healthBarTexture, 760, 100);
    plain(game::laserTexture, 64, 64);
    plain(game::laserAlarmTexture, 64, 15);
    plain(game::laserSentryTexture, testSentrySize, testSentrySize);
}

void RunScenario::SetUp() {
    openTestScreen();
    loadGameAssets(); // the arena's own walls among them
    useTestTextures();
    input.script.frameStep = sf::microseconds(16667); // capped to 1/60 s by the run
    // Totals grown by earlier runs of the tests would swallow a frame's worth of float.
    game::saveData.timeSpentDodging = game::saveData.timeSpentDodgingDieSentry = 0;
    game::saveData.distanceTravelled = 0;
}

void RunScenario::TearDown() {
    resetRun();
    game::runActive = true;
    game::saveData.rgbSkinEnabled = false;
}

void RunScenario::startTestRun(int difficulty, unsigned seed) {
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
