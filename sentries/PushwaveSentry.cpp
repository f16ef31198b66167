// The pushwave sentry and its waves.
#include "sentries/PushwaveSentry.hpp"

#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"
#include "run/SoundPool.hpp"
#include "sentries/Placement.hpp"

#include <cmath>

void createPushwaveSentry(sf::Vector2f position) {
    placeTurret(game::pushwaveSentries, game::pushwaveSentryTexture, position, updatePushwaveSentry);
}

void updatePushwaveSentry(PushwaveSentry& sentry) {
    if (turnTurret(sentry, game::frameTime, false)) {
        firePushwave(sentry);
        sentry.fireTimer -= sentry.fireInterval;
    }
}

void firePushwave(const PushwaveSentry& sentry) {
    // Wave ids count up in 16 bits and start again at 0 once no wave is left.
    const std::int32_t waveId =
        game::pushwaves.empty() ? 0 : std::int16_t(game::pushwaves.back().waveId + 1);
    const float radians = sentry.aimAngle * degreesToRadians;
    const float across = (sentry.aimAngle + 90) * degreesToRadians;
    const sf::Vector2f forward(std::cos(radians), std::sin(radians));
    const sf::Vector2f sideways(std::cos(across), std::sin(across));

    for (int s = -4; s <= 4; s++) {
        Pushwave segment;
        segment.sprite.setTexture(game::pushwaveTexture);
        // Overlapping slices of the strip, tops 0, 22, 44, ..., 177: together one front.
        segment.sprite.setTextureRect(sf::IntRect({0, int((s + 4) * 22.22222222222222)}, {40, 40}));
        const sf::FloatRect size = segment.sprite.getGlobalBounds();
        segment.sprite.setOrigin({compat::width(size) / 2, compat::height(size) / 2});
        sf::Vector2f p = sentry.position;
        if (s != 0)
            p += float(s) * 22.222221f * sideways;
        p += 30.0f * forward;
        segment.position = p;
        segment.sprite.setPosition(p);
        segment.bounds = segment.sprite.getGlobalBounds();
        segment.angle = sentry.aimAngle;
        segment.speed = sentry.projectileSpeed;
        segment.damage = sentry.damage;
        segment.maxPushDistance = sentry.maxPushDistance;
        segment.maxDistance = sentry.projectileRange;
        segment.waveId = waveId;
        segment.segmentIndex = std::int16_t(s);
        game::pushwaves.push_back(segment);
    }
    game::soundPool.play(game::pushwaveFireBuffer, sentry.position, game::playerPosition);
}

void Pushwave::update() {
    const float radians = angle * degreesToRadians;
    const sf::Vector2f d = speed * game::frameTime * sf::Vector2f(std::cos(radians), std::sin(radians));
    position += d;

    // One segment a frame carries the player, and never within a step and 20 units
    // (plus half the player) of an edge, so a wave cannot shove the player out.
    const float w = compat::width(game::playerBounds), h = compat::height(game::playerBounds);
    const sf::Vector2f player = game::playerPosition;
    const bool clearOfEdges =
        player.y > h / 2 + 20 + std::fabs(d.y) && player.y < game::arenaHeight - 20 - h / 2 - std::fabs(d.y)
        && player.x > w / 2 + 20 + std::fabs(d.x) && player.x < game::arenaWidth - 20 - w / 2 - std::fabs(d.x);
    if (rectInsideRect(bounds, game::playerBounds) && clearOfEdges && !game::pushAppliedThisFrame) {
        game::playerPushed = true;
        game::pushAppliedThisFrame = true;
        game::playerPosition += d;
        pushedDistance += length(d);
    }

    distanceTravelled += length(d);
    if (distanceTravelled >= maxDistance || pushedDistance >= maxPushDistance)
        alive = false;
    compat::setRotation(sprite, angle);
    sprite.setPosition(position);
    bounds = sprite.getGlobalBounds();
}
