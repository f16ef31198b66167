// The asset catalogue: every path the game reads at start-up, under the folder
// where Assets/ was found.
#include "app/Assets.hpp"

#include "app/GameContext.hpp"
#include "platform/Folders.hpp"
#include "platform/MusicStream.hpp"
#include "platform/SfmlCompat.hpp"

namespace {

void loadTexture(sf::Texture& texture, const std::string& path) {
    // A missing texture stays empty; the catalogue test names it.
    (void)texture.loadFromFile(path);
}

} // namespace

std::string assetPath(const std::string& catalogued) {
    return game::folders.assetRoot.empty() ? catalogued : game::folders.assetRoot + "/" + catalogued;
}

namespace {

// The FPS counter, the arena's frame and walls, and the boss fight's backdrop.
void setUpShapes() {
    game::fpsText.setFont(game::arialFont);
    game::fpsText.setCharacterSize(45);
    game::fpsText.setFillColor(sf::Color::Green);
    game::fpsText.setStyle(sf::Text::Bold);
    game::fpsText.setPosition({0, 0});

    game::arenaFrame.setFillColor(sf::Color::Transparent);
    game::arenaFrame.setOutlineColor(sf::Color::White);
    game::arenaFrame.setSize(sf::Vector2f(1880, 750));
    game::arenaFrame.setOutlineThickness(10);
    game::arenaFrame.setPosition({20, 20});

    // The top and left walls reach 10 units into the arena; the bottom and right
    // walls begin exactly at its edge.
    const float w = game::arenaWidth, h = game::arenaHeight;
    game::arenaWalls.push_back(sf::FloatRect({0, -50}, {w, 60}));
    game::arenaWalls.push_back(sf::FloatRect({0, h}, {w, 60}));
    game::arenaWalls.push_back(sf::FloatRect({-50, 0}, {60, h}));
    game::arenaWalls.push_back(sf::FloatRect({w, 0}, {60, h}));

    game::bossBackdrop.setFillColor(sf::Color(250, 100, 150, 255));
    game::bossBackdrop.setSize(sf::Vector2f(w, h));
    game::bossBackdrop.setPosition({0, 0});
}

} // namespace

void loadAssets() {
    (void)compat::openFont(game::arialFont, assetPath("Assets/Fonts/ARIAL.ttf"));
    (void)compat::openFont(game::sourceSansFont, assetPath("Assets/Fonts/SOURCESANSPRO.otf"));
    (void)game::blurShader.loadFromFile(assetPath("Assets/Shaders/blur.frag"), sf::Shader::Type::Fragment);
    setUpShapes();

    loadTexture(game::infoBarTexture, assetPath("Assets/Textures/infoBar.png"));
    loadTexture(game::healthBarOutlineTexture, assetPath("Assets/Textures/healthBarOutline.png"));
    loadTexture(game::healthBarTexture, assetPath("Assets/Textures/healthBar.png"));
    loadTexture(game::heartTexture, assetPath("Assets/Textures/heart.png"));
    game::heartTexture.setSmooth(true);
    game::infoBarTexture.setSmooth(true);
    loadTexture(game::titleLogoTexture, assetPath("Assets/Textures/TitleLogo.png"));
    game::titleLogoTexture.setSmooth(true);
    loadTexture(game::playerTexture, assetPath("Assets/Textures/player.png"));
    loadTexture(game::bulletSentryTexture, assetPath("Assets/Textures/bulletSentry.png"));
    loadTexture(game::bulletTexture, assetPath("Assets/Textures/bullet.png"));
    loadTexture(game::bombSentryTexture, assetPath("Assets/Textures/bombSentry.png"));
    loadTexture(game::bombTexture, assetPath("Assets/Textures/bomb.png"));
    loadTexture(game::homingSentryTexture, assetPath("Assets/Textures/homingSentry.png"));
    loadTexture(game::homingTexture, assetPath("Assets/Textures/homing.png"));
    loadTexture(game::pushwaveSentryTexture, assetPath("Assets/Textures/pushwaveSentry.png"));
    loadTexture(game::pushwaveTexture, assetPath("Assets/Textures/pushwave.png"));
    loadTexture(game::dieSentryTexture, assetPath("Assets/Textures/dieSentry.png"));
    loadTexture(game::bossBulletTexture, assetPath("Assets/Textures/bossBullet.png"));
    loadTexture(game::bossBladeTexture, assetPath("Assets/Textures/bossBlade.png"));
    loadTexture(game::bossHomingTexture, assetPath("Assets/Textures/bossHoming.png"));
    loadTexture(game::laserTexture, assetPath("Assets/Textures/laser.png"));
    loadTexture(game::laserAlarmTexture, assetPath("Assets/Textures/laserAlarm.png"));
    loadTexture(game::laserSentryTexture, assetPath("Assets/Textures/laserSentry.png"));

    (void)game::bulletFireBuffer.loadFromFile(assetPath("Assets/Sounds/bulletFire.wav"));
    (void)game::pushwaveFireBuffer.loadFromFile(assetPath("Assets/Sounds/pushwaveFire.wav"));
    (void)game::bombExplodeBuffer.loadFromFile(assetPath("Assets/Sounds/bombExplode.wav"));
    (void)game::playerHitBuffer.loadFromFile(assetPath("Assets/Sounds/playerHit.wav"));
    (void)game::homingFireBuffer.loadFromFile(assetPath("Assets/Sounds/homingFire.wav"));
    (void)game::buttonPressBuffer.loadFromFile(assetPath("Assets/Sounds/buttonPress.wav"));
    // The theme is only opened here; it is decoded a piece at a time while it plays.
    game::musicSound.openFromFile(assetPath("Assets/Music/dieSentryTheme.mp3"));

    game::buttonSound.setBuffer(game::buttonPressBuffer);
}
