// The homing sentry and its projectiles.
#include "sentries/HomingSentry.hpp"

#include "app/GameContext.hpp"
#include "platform/GameRandom.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"
#include "run/SoundPool.hpp"
#include "sentries/Placement.hpp"

#include <algorithm>
#include <cmath>

void createHomingSentry(sf::Vector2f position) {
    placeTurret(game::homingSentries, game::homingSentryTexture, position, updateHomingSentry);
}

void updateHomingSentry(HomingSentry& sentry) {
    if (turnTurret(sentry, game::frameTime, false)) {
        sentry.spreadOffset = float(gameRandom() % int(sentry.spreadRange)) - sentry.spreadRange * 0.5f;
        fireHoming(sentry);
        game::soundPool.play(game::homingFireBuffer, sentry.position, game::playerPosition);
        sentry.fireTimer -= sentry.fireInterval;
    }
}

void fireHoming(const HomingSentry& sentry) {
    game::homingProjectiles.push_back(makeHomingProjectile(game::homingTexture, sentry.position,
                                                           sentry.aimAngle + sentry.spreadOffset,
                                                           sentry.projectileSpeed, sentry.turnRate,
                                                           sentry.projectileRange, sentry.damage));
}

HomingProjectile makeHomingProjectile(const sf::Texture& texture, sf::Vector2f from, float angle, float speed,
                                      float turnRate, float range, std::int32_t damage) {
    HomingProjectile projectile;
    projectile.position = launchShot(projectile.sprite, texture, 1.3f, from, angle);
    projectile.bounds = projectile.sprite.getGlobalBounds();
    projectile.angle = angle;
    projectile.speed = speed;
    projectile.turnRate = turnRate;
    projectile.damage = damage;
    projectile.maxDistance = range;
    return projectile;
}

void HomingProjectile::update() {
    const sf::Vector2f toPlayer = game::playerPosition - position;
    const float wanted = float(std::atan2(double(toPlayer.y), double(toPlayer.x)) * 57.295826);
    float difference = wanted - angle;
    if (difference > 180)
        difference -= 360;
    else if (difference < -180)
        difference += 360;
    const float turnLimit = game::frameTime * 90 * turnRate;
    const float turn = std::min(std::fabs(difference * 0.1f), turnLimit);
    angle += difference > 0 ? turn : -turn;

    const float radians = angle * degreesToRadians;
    const sf::Vector2f displacement = speed * game::frameTime * sf::Vector2f(std::cos(radians), std::sin(radians));
    position += displacement;
    distanceTravelled += length(displacement);
    if (distanceTravelled >= maxDistance)
        alive = false;
    // The bounds are still those of the last update: a wall is noticed a frame late.
    for (const sf::FloatRect& wall : game::arenaWalls)
        if (rectCornerInRect(bounds, wall))
            alive = false;

    compat::setRotation(sprite, angle);
    sprite.setPosition(position);
    bounds = sprite.getGlobalBounds();
}
