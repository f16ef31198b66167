// The asset catalogue: every path the game reads at start-up.
#include "app/Assets.hpp"

#include "app/GameContext.hpp"

namespace {

void loadTexture(sf::Texture& texture, const char* path) {
    texture.loadFromFile(path, sf::IntRect());
}

} // namespace

void loadAssets() {
    game::arialFont.loadFromFile("Assets/Fonts/ARIAL.ttf");
    game::sourceSansFont.loadFromFile("Assets/Fonts/SOURCESANSPRO.otf");
    game::blurShader.loadFromFile("Assets/Shaders/blur.frag", sf::Shader::Fragment);

    game::fpsText.setFont(game::arialFont);
    game::fpsText.setCharacterSize(45);
    game::fpsText.setFillColor(sf::Color::Green);
    game::fpsText.setStyle(sf::Text::Bold);
    game::fpsText.setPosition(0, 0);

    game::arenaFrame.setFillColor(sf::Color::Transparent);
    game::arenaFrame.setOutlineColor(sf::Color::White);
    game::arenaFrame.setSize(sf::Vector2f(1880, 750));
    game::arenaFrame.setOutlineThickness(10);
    game::arenaFrame.setPosition(20, 20);

    // The top and left walls reach 10 units into the arena; the bottom and right
    // walls begin exactly at its edge.
    const float w = game::arenaWidth, h = game::arenaHeight;
    game::arenaWalls.push_back(sf::FloatRect(0, -50, w, 60));
    game::arenaWalls.push_back(sf::FloatRect(0, h, w, 60));
    game::arenaWalls.push_back(sf::FloatRect(-50, 0, 60, h));
    game::arenaWalls.push_back(sf::FloatRect(w, 0, 60, h));

    game::bossBackdrop.setFillColor(sf::Color(250, 100, 150, 255));
    game::bossBackdrop.setSize(sf::Vector2f(w, h));
    game::bossBackdrop.setPosition(0, 0);

    loadTexture(game::infoBarTexture, "Assets/Textures/infoBar.png");
    loadTexture(game::healthBarOutlineTexture, "Assets/Textures/healthBarOutline.png");
    loadTexture(game::healthBarTexture, "Assets/Textures/healthBar.png");
    loadTexture(game::heartTexture, "Assets/Textures/heart.png");
    game::heartTexture.setSmooth(true);
    game::infoBarTexture.setSmooth(true);
    loadTexture(game::titleLogoTexture, "Assets/Textures/TitleLogo.png");
    game::titleLogoTexture.setSmooth(true);
    loadTexture(game::playerTexture, "Assets/Textures/player.png");
    loadTexture(game::bulletSentryTexture, "Assets/Textures/bulletSentry.png");
    loadTexture(game::bulletTexture, "Assets/Textures/bullet.png");
    loadTexture(game::bombSentryTexture, "Assets/Textures/bombSentry.png");
    loadTexture(game::bombTexture, "Assets/Textures/bomb.png");
    loadTexture(game::homingSentryTexture, "Assets/Textures/homingSentry.png");
    loadTexture(game::homingTexture, "Assets/Textures/homing.png");
    loadTexture(game::pushwaveSentryTexture, "Assets/Textures/pushwaveSentry.png");
    loadTexture(game::pushwaveTexture, "Assets/Textures/pushwave.png");
    loadTexture(game::dieSentryTexture, "Assets/Textures/dieSentry.png");
    loadTexture(game::bossBulletTexture, "Assets/Textures/bossBullet.png");
    loadTexture(game::bossBladeTexture, "Assets/Textures/bossBlade.png");
    loadTexture(game::bossHomingTexture, "Assets/Textures/bossHoming.png");
    loadTexture(game::laserTexture, "Assets/Textures/laser.png");
    loadTexture(game::laserAlarmTexture, "Assets/Textures/laserAlarm.png");
    loadTexture(game::laserSentryTexture, "Assets/Textures/laserSentry.png");

    game::bulletFireBuffer.loadFromFile("Assets/Sounds/bulletFire.wav");
    game::pushwaveFireBuffer.loadFromFile("Assets/Sounds/pushwaveFire.wav");
    game::bombExplodeBuffer.loadFromFile("Assets/Sounds/bombExplode.wav");
    game::playerHitBuffer.loadFromFile("Assets/Sounds/playerHit.wav");
    game::homingFireBuffer.loadFromFile("Assets/Sounds/homingFire.wav");
    game::buttonPressBuffer.loadFromFile("Assets/Sounds/buttonPress.wav");
    // The theme is only opened here; it is decoded a piece at a time while it plays.
    game::musicSound.openFromFile("Assets/Music/dieSentryTheme.mp3");

    game::buttonSound.setBuffer(game::buttonPressBuffer);
}
