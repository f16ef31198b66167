// The bomb sentry and its bombs.
#include "sentries/BombSentry.hpp"

#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "replay/Replay.hpp"
#include "run/Geometry.hpp"
#include "run/SoundPool.hpp"

#include <cstdlib>

namespace {

const sf::IntRect idleFrame({0, 0}, {96, 96});
const sf::IntRect armedFrame({96, 0}, {96, 96});

sf::IntRect bombFrame(std::int32_t frame) {
    return sf::IntRect({300 * frame, 0}, {300, 300});
}

} // namespace

void createBombSentry(sf::Vector2f position) {
    BombSentry sentry;
    sentry.position = position;
    sentry.sprite.setTexture(game::bombSentryTexture);
    sentry.sprite.setTextureRect(idleFrame);
    updateBombSentry(sentry);
    const sf::FloatRect local = sentry.sprite.getLocalBounds();
    sentry.sprite.setOrigin({compat::width(local) / 2, compat::height(local) / 2});
    sentry.sprite.setPosition(position);
    compat::setRotation(sentry.sprite, aimAngle(position, game::playerPosition));
    std::srand(unsigned(replay::calendarTime()));
    game::bombSentries.push_back(sentry);
}

void updateBombSentry(BombSentry& sentry) {
    sentry.fireTimer += game::frameTime;
    if (sentry.armed) {
        sentry.armedTimer += game::frameTime;
        sentry.sprite.setTextureRect(armedFrame);
        if (sentry.armedTimer >= sentry.explosionDelay) {
            sentry.armed = false;
            sentry.sprite.setTextureRect(idleFrame);
        }
    }
    sentry.sprite.setPosition(sentry.position);
    sentry.bounds = sentry.sprite.getLocalBounds();
    // A bomb sentry turns only when it drops, and drops silently.
    if (sentry.fireTimer >= sentry.fireInterval) {
        compat::setRotation(sentry.sprite, aimAngle(sentry.position, game::playerPosition));
        dropBomb(sentry);
        sentry.armed = true;
        sentry.fireTimer -= sentry.fireInterval;
        sentry.armedTimer = 0;
    }
}

void dropBomb(const BombSentry& sentry) {
    dropBombAt(game::playerPosition, sentry.explosionDelay, sentry.damage);
}

void dropBombAt(sf::Vector2f target, float explosionDelay, std::int32_t damage) {
    Bomb bomb;
    bomb.sprite.setTexture(game::bombTexture);
    bomb.sprite.setTextureRect(bombFrame(0));
    bomb.sprite.setScale({1.5f, 1.5f});
    // The origin is half the scaled size in texture pixels; placed a quarter of the
    // square off the target, the drawn square is centred on it.
    const sf::FloatRect scaled = bomb.sprite.getGlobalBounds();
    bomb.sprite.setOrigin({compat::width(scaled) / 2, compat::height(scaled) / 2});
    bomb.target = target;
    bomb.sprite.setPosition(target + sf::Vector2f(0.25f * compat::width(scaled), 0.25f * compat::height(scaled)));
    bomb.sprite.setColor(sf::Color(255, 255, 255, 162));
    bomb.explosionDelay = explosionDelay;
    bomb.damage = damage;
    game::bombs.push_back(bomb);
}

void Bomb::update() {
    bounds = sprite.getGlobalBounds();
    stepTimer += game::frameTime;
    stateTimer += game::frameTime;
    if (!exploded) {
        // The fuse fades the marker by 2 every fiftieth of the delay.
        if (stepTimer >= explosionDelay / 50) {
            alpha -= 2;
            stepTimer -= explosionDelay / 50;
            sprite.setColor(sf::Color(255, 255, 255, std::uint8_t(alpha)));
        }
        if (stateTimer >= explosionDelay) {
            exploded = true;
            sprite.setColor(sf::Color(255, 255, 255, 192));
            game::soundPool.play(game::bombExplodeBuffer, target, game::playerPosition);
            frame++;
            sprite.setTextureRect(bombFrame(frame));
            stateTimer = 0;
            stepTimer = 0;
        }
    } else {
        // Three blast frames over the blast's length; it hurts throughout.
        if (stepTimer >= blastDuration / 3) {
            frame++;
            sprite.setTextureRect(bombFrame(frame));
            stepTimer -= blastDuration / 3;
        }
        if (stateTimer >= blastDuration)
            alive = false;
    }
    sprite.setPosition(target + sf::Vector2f(0.25f * compat::width(bounds), 0.25f * compat::height(bounds)));
}
