// The laser sentry's cycle and its lasers: 0.9 s of flight, 0.8 s of waiting, a
// 0.2 s warning and 0.3 s of nothing, then 1.5 s of beams: 3.7 s a cycle.
#include "sentries/LaserSentry.hpp"

#include "app/GameContext.hpp"
#include "platform/GameRandom.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"
#include "run/SoundPool.hpp"
#include "sentries/Placement.hpp"

#include <cmath>

namespace {

const float axes[4] = {0, 180, 90, -90};

sf::Vector2f randomPoint() {
    const float x = float(gameRandom() % int(game::arenaWidth));
    const float y = float(gameRandom() % int(game::arenaHeight));
    return sf::Vector2f(x, y);
}

// A warning line is 10000 units of its thin texture; a beam is as long as it has grown.
sf::IntRect laserRect(const std::string& name, float length) {
    return name == "alarm" ? sf::IntRect({0, 0}, {10000, 15}) : sf::IntRect({0, 0}, {int(length), 64});
}

} // namespace

Laser::Laser(const sf::Texture& texture, float x, float y, float direction, float speed, float life,
             std::int32_t hurt, const std::string& kind)
    : position(x, y), angle(direction), growSpeed(speed), lifetime(life), damage(hurt), name(kind) {
    sprite.setTexture(texture);
    sprite.setTextureRect(laserRect(name, 1));
    // The line starts at its position and is centred across its thickness.
    bounds = sprite.getGlobalBounds();
    sprite.setOrigin({0, compat::height(bounds) / 2});
    sprite.setPosition(position);
    compat::setRotation(sprite, angle);
}

void Laser::update() {
    lifeTimer += game::frameTime;
    if (name == "laserbeam") {
        const float radians = angle * degreesToRadians;
        length += ::length(sf::Vector2f(std::cos(radians), std::sin(radians)) * growSpeed * game::frameTime);
    }
    compat::setRotation(sprite, angle);
    sprite.setPosition(position);
    sprite.setTextureRect(laserRect(name, length));
    bounds = sprite.getGlobalBounds();
    if (lifeTimer >= lifetime)
        alive = false;
}

LaserSentry makeLaserSentry(sf::Vector2f position) {
    LaserSentry sentry;
    sentry.sprite.setTexture(game::laserSentryTexture);
    const sf::FloatRect local = sentry.sprite.getLocalBounds();
    sentry.sprite.setOrigin({compat::width(local) / 2, compat::height(local) / 2});
    sentry.position = position;
    sentry.sprite.setPosition(position);
    sentry.destination = randomPoint();
    sentry.moveSpeed = length(sentry.destination - position) / sentry.travelTime;
    return sentry;
}

void updateLaserSentry(LaserSentry& sentry) {
    sentry.stateTimer += game::frameTime;

    if (sentry.position != sentry.destination
        && spinningFlight(sentry.sprite, sentry.bounds, sentry.position, sentry.destination, sentry.spin,
                          sentry.spinSpeed, sentry.moveSpeed, game::frameTime))
        sentry.stateTimer = 0;

    // Each test sees the state the one before it left.
    if (sentry.state == LaserSentry::flying) {
        sentry.sprite.setPosition(sentry.position);
        sentry.bounds = sentry.sprite.getLocalBounds();
        if (sentry.stateTimer >= sentry.waitTime && sentry.position == sentry.destination) {
            raiseAlarm(sentry);
            sentry.stateTimer = 0;
        }
    }
    if (sentry.state == LaserSentry::warning && sentry.stateTimer >= sentry.alarmGap + sentry.alarmLifetime) {
        fireBeams(sentry);
        sentry.stateTimer = 0;
    }
    if (sentry.state == LaserSentry::firing && sentry.stateTimer >= sentry.beamLifetime) {
        sentry.stateTimer = 0;
        sentry.state = LaserSentry::flying;
        sentry.destination = randomPoint();
        sentry.moveSpeed = length(sentry.destination - sentry.position) / sentry.travelTime;
    }
}

void raiseAlarm(LaserSentry& sentry) {
    for (float angle : axes)
        game::lasers.emplace_back(game::laserAlarmTexture, sentry.position.x, sentry.position.y, angle,
                                  sentry.beamGrowSpeed, sentry.alarmLifetime, 0, "alarm");
    sentry.state = LaserSentry::warning;
}

void fireBeams(LaserSentry& sentry) {
    for (float angle : axes)
        game::lasers.emplace_back(game::laserTexture, sentry.position.x, sentry.position.y, angle,
                                  sentry.beamGrowSpeed, sentry.beamLifetime, sentry.damage, "laserbeam");
    sentry.state = LaserSentry::firing;
    game::soundPool.play(game::homingFireBuffer, sentry.position, game::playerPosition);
}
