// Run set-up and reset.
#include "run/RunSetup.hpp"

#include "app/GameContext.hpp"
#include "app/MusicStream.hpp"
#include "app/SfmlCompat.hpp"
#include "boss/BounceBall.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/SaveData.hpp"
#include "run/Hud.hpp"
#include "run/Player.hpp"
#include "sentries/BombSentry.hpp"
#include "sentries/BulletSentry.hpp"
#include "sentries/HomingSentry.hpp"
#include "sentries/LaserSentry.hpp"
#include "sentries/PushwaveSentry.hpp"
#include "sentries/SentryDirector.hpp"

void startRun() {
    game::showDeathScreen = true;
    game::playerPosition = sf::Vector2f(game::arenaWidth * 0.5f, game::arenaHeight * 0.5f);

    Player player;
    player.maxSpeed = game::playerMaxSpeed;
    player.health = game::playerMaxHealth;
    player.maxHealth = game::playerMaxHealth;
    player.sprite.setTexture(game::playerTexture);
    // One update places the sprite and measures it, unscaled and without an origin,
    // so its bounds give the texture's centre. It also adds the last screen frame's
    // time to the new clock, as it always has.
    player.update();
    player.sprite.setOrigin({compat::width(game::playerBounds) / 2, compat::height(game::playerBounds) / 2});
    player.sprite.setScale({0.8f, 0.8f});
    player.sprite.setPosition(game::playerPosition);
    player.sprite.setColor(game::saveData.playerColor);
    game::player = player;

    game::hud = Hud();
    game::director = SentryDirector(std::int16_t(game::difficulty));
    // A push late in the last run's last frame must not hold the first step of this one.
    game::playerPushed = false;
}

void resetRun() {
    // clear() keeps each vector's capacity for the next run.
    const auto empty = [](auto& records) { records.clear(); };
    forEachSentryList(empty);
    forEachProjectileList(empty);
    game::musicSound.stop();
    game::arenaFrame.setOutlineColor(sf::Color::White);
    game::bossBeaten = false;
}
