// The bullet sentry and its bullets.
#include "sentries/BulletSentry.hpp"

#include "app/GameContext.hpp"
#include "platform/GameRandom.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"
#include "run/SoundPool.hpp"
#include "sentries/Placement.hpp"

#include <cmath>

void createBulletSentry(sf::Vector2f position) {
    placeTurret(game::bulletSentries, game::bulletSentryTexture, position, updateBulletSentry);
}

void updateBulletSentry(BulletSentry& sentry) {
    // At most one shot a frame; the timer keeps the excess, so a slow frame loses none.
    if (turnTurret(sentry, game::frameTime, true)) {
        sentry.spreadOffset = float(gameRandom() % int(sentry.spreadRange - sentry.spreadRange * 0.5f));
        fireBullet(sentry);
        game::soundPool.play(game::bulletFireBuffer, sentry.position, game::playerPosition);
        sentry.fireTimer -= sentry.fireInterval;
    }
}

void fireBullet(const BulletSentry& sentry) {
    Bullet bullet;
    aimBullet(bullet, game::bulletTexture, sentry.position, sentry.aimAngle + sentry.spreadOffset,
              sentry.projectileSpeed, sentry.projectileRange, sentry.damage);
    game::bullets.push_back(bullet);
}

void aimBullet(Bullet& shot, const sf::Texture& texture, sf::Vector2f from, float angle, float speed,
               float range, std::int32_t damage) {
    shot.position = launchShot(shot.sprite, texture, 0.75f, from, angle);
    shot.bounds = shot.sprite.getGlobalBounds();
    shot.angle = angle;
    shot.speed = speed;
    shot.damage = damage;
    shot.maxDistance = range;
}

void Bullet::update() {
    const float radians = angle * degreesToRadians;
    const sf::Vector2f displacement = speed * game::frameTime * sf::Vector2f(std::cos(radians), std::sin(radians));
    position += displacement;
    distanceTravelled += length(displacement);
    if (distanceTravelled >= maxDistance)
        alive = false;
    // Green and blue fade out over the flight: 255 at the muzzle, 5 at 2500 units.
    const auto fade = static_cast<std::uint8_t>(int(255 - distanceTravelled / 10));
    sprite.setColor(sf::Color(255, fade, fade, 255));
    compat::setRotation(sprite, angle);
    sprite.setPosition(position);
    bounds = sprite.getGlobalBounds();
}
