// The Zev Azirid's patterns and the shots they fire.
#include "boss/BossAttacks.hpp"

#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "boss/BounceBall.hpp"
#include "boss/DieSentry.hpp"
#include "run/Geometry.hpp"
#include "run/SoundPool.hpp"
#include "sentries/BombSentry.hpp"
#include "sentries/BulletSentry.hpp"
#include "sentries/HomingSentry.hpp"
#include "sentries/LaserSentry.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A spot patternRadius from the player, at a random whole angle, inside the arena
// less the radius (give or take 50). Near a corner no angle may qualify with the
// wider radius of attack 4; after that many draws the last one is pulled inside.
sf::Vector2f chooseFiringSpot(float radius) {
    const float minX = radius - 50, maxX = game::arenaWidth - radius + 50;
    const float minY = radius - 50, maxY = game::arenaHeight - radius + 50;
    sf::Vector2f spot;
    for (int draw = 0; draw < 1000; draw++) {
        const float radians = float(std::rand() % 360 - 180) * degreesToRadians;
        spot = game::playerPosition + radius * sf::Vector2f(std::cos(radians), std::sin(radians));
        if (spot.x >= minX && spot.x <= maxX && spot.y >= minY && spot.y <= maxY)
            return spot;
    }
    return sf::Vector2f(std::clamp(spot.x, minX, maxX), std::clamp(spot.y, minY, maxY));
}

void chooseNextPattern(DieSentry& boss, BossPattern lastPattern) {
    boss.pattern = BossPattern(std::rand() % int(lastPattern) + 1);
    boss.patternBusy = true;
    switch (boss.pattern) {
    case BossPattern::Rings:
        boss.ringsLeft = boss.ringCount;
        break;
    case BossPattern::BombRain:
        boss.rainLeft = boss.rainCount;
        break;
    case BossPattern::BladeSpiral:
        boss.spiralAngle = 0;
        boss.spiralLeft = boss.spiralCount;
        boss.spiralDirection = std::rand() % 2;
        break;
    case BossPattern::HomingFans:
        boss.fansLeft = boss.fanCount;
        break;
    case BossPattern::BounceBursts:
    default:
        boss.burstAngle = std::rand() % 60;
        break;
    }
    boss.destination = chooseFiringSpot(boss.patternRadius);
    boss.spinSpeed = oneTurnOnTheWay(boss);
}

void fireBusyPattern(DieSentry& boss, int ringSize) {
    switch (boss.pattern) {
    case BossPattern::Rings:
        if (boss.patternTimer >= boss.ringInterval) {
            fireRing(boss, ringSize);
            boss.patternTimer -= boss.ringInterval;
        }
        boss.patternBusy = boss.ringsLeft > 0;
        break;
    case BossPattern::BombRain:
        if (boss.patternTimer >= boss.rainInterval) {
            dropRainBomb(boss);
            boss.patternTimer -= boss.rainInterval;
        }
        boss.patternBusy = boss.rainLeft >= 1;
        break;
    case BossPattern::BladeSpiral:
        // Several fans a frame if frames are long; never more than the spiral holds.
        while (boss.patternTimer >= boss.spiralInterval && boss.spiralLeft >= 1) {
            fireBladeFan(boss);
            boss.patternTimer -= boss.spiralInterval;
        }
        boss.patternBusy = boss.spiralLeft >= 1;
        break;
    case BossPattern::HomingFans:
        if (boss.patternTimer >= boss.fanInterval) {
            fireHomingFan(boss);
            boss.patternTimer -= boss.fanInterval;
        }
        boss.patternBusy = boss.fansLeft >= 1;
        break;
    case BossPattern::BounceBursts:
    default:
        if (boss.burstsLeft > 0 && boss.patternTimer >= boss.burstInterval) {
            fireBounceBurst(boss);
            boss.patternTimer = 0;
        }
        if (boss.burstsLeft == 0) {
            boss.burstsLeft = boss.burstsPerWave;
            game::soundPool.play(game::homingFireBuffer, boss.position, game::playerPosition);
            boss.patternTimer = 0;
            boss.patternBusy = false;
        }
        break;
    }
}

} // namespace

void patternDriver(DieSentry& boss, int ringSize, BossPattern lastPattern) {
    boss.patternTimer += game::frameTime;
    if (!boss.patternBusy && boss.patternTimer >= boss.patternGap)
        chooseNextPattern(boss, lastPattern);
    // A pattern is fired only from its spot; arriving there zeroed the timer.
    if (boss.patternBusy && boss.position == boss.destination)
        fireBusyPattern(boss, ringSize);
}

void bounceWaveStep(DieSentry& boss) {
    boss.patternTimer += game::frameTime;
    // The last wave fires its bursts too: nine waves of eleven bursts of six balls.
    if (boss.burstsLeft > 0 && boss.patternTimer >= boss.burstInterval) {
        fireBounceBurst(boss);
        boss.patternTimer -= boss.burstInterval;
    }
    if (boss.wavesLeft > 0 && boss.burstsLeft <= 0 && boss.patternTimer >= boss.waveGap) {
        boss.wavesLeft--;
        boss.burstsLeft = boss.burstsPerWave;
        boss.burstAngle = std::rand() % 60;
        game::soundPool.play(game::homingFireBuffer, boss.position, game::playerPosition);
        boss.patternTimer -= boss.waveGap;
    }
}

float oneTurnOnTheWay(const DieSentry& boss) {
    const float distance = length(boss.destination - boss.position);
    return distance > 0 ? 360 / (distance / boss.moveSpeed) : 0;
}

void releaseLaserSentries(DieSentry& boss) {
    for (int i = 0; i < 8; i++)
        game::laserSentries.push_back(makeLaserSentry(boss.position));
}

void applyAttack4Settings(DieSentry& boss) {
    boss.ringInterval = 0.07f;
    boss.ringCount = 18;
    boss.ringSpeed = 1000.0f;
    boss.ringRange = 3000.0f;
    boss.ringDamage = 100;
    boss.fanInterval = 0.22f;
    boss.fanCount = 8;
    boss.fanSpeed = 1350.0f;
    boss.fanRange = 5000.0f;
    boss.fanTurnRate = 3.4f;
    boss.fanDamage = 100;
    boss.rainInterval = 0.025f;
    boss.rainCount = 55;
    boss.rainFuse = 1.6f;
    boss.rainDamage = 300;
    boss.spiralInterval = 0.018f;
    boss.spiralCount = 420;
    boss.bladeSpeed = 1050.0f;
    boss.bladeRange = 4000.0f;
    boss.bladeDamage = 60;
    boss.burstInterval = 0.05f;
    boss.wavesLeft = 1;
    boss.burstsPerWave = 5;
    boss.burstsLeft = 5; // so its first use fires at once
    boss.ballSpeed = 500.0f;
    boss.ballRange = 4000.0f;
    boss.ballDamage = 40;
    boss.waveGap = 0.1f;
    boss.patternRadius = 300.0f;
    boss.moveSpeed = float(double(boss.moveSpeed) * 1.3);
    boss.patternGap = float(double(boss.patternGap) / 1.3);
    boss.patternTimer = 0;
}

void fireRing(DieSentry& boss, int ringSize) {
    // Odd rings are turned half a step, so consecutive rings interleave.
    const float offset = boss.ringsLeft % 2 != 0 ? 0.5f : 0.0f;
    for (int i = 0; i < ringSize; i++) {
        Bullet bullet;
        aimBullet(bullet, game::bossBulletTexture, boss.position, (float(i) + offset) * 360.0f / float(ringSize),
                  boss.ringSpeed, boss.ringRange, boss.ringDamage);
        game::bullets.push_back(bullet);
    }
    boss.ringsLeft--;
    game::soundPool.play(game::bulletFireBuffer, boss.position, game::playerPosition);
}

void dropRainBomb(DieSentry& boss) {
    const float y = float(std::rand() % int(game::arenaHeight));
    const float x = float(std::rand() % int(game::arenaWidth));
    dropBombAt(sf::Vector2f(x, y), boss.rainFuse, boss.rainDamage);
    boss.rainLeft--;
}

void fireBladeFan(DieSentry& boss) {
    const float s = float(boss.spiralAngle);
    for (float angle : {s, s + 2.25f, s + 4.5f, s - 4.5f, s - 2.25f}) {
        Bullet blade;
        aimBullet(blade, game::bossBladeTexture, boss.position, angle, boss.bladeSpeed, boss.bladeRange,
                  boss.bladeDamage);
        game::bullets.push_back(blade);
    }
    // The angle is whole degrees: truncating s +- 4.5 turns the spiral by 4 a fan.
    boss.spiralAngle = std::int32_t(boss.spiralDirection == 0 ? s + 4.5f : s - 4.5f);
    boss.spiralLeft -= 2;
}

void fireHomingFan(DieSentry& boss) {
    const float aim = aimAngle(boss.position, game::playerPosition);
    for (float angle : {aim - 90, aim - 45, aim, aim + 45, aim + 90})
        game::homingProjectiles.push_back(makeHomingProjectile(game::bossHomingTexture, boss.position, angle,
                                                               boss.fanSpeed, boss.fanTurnRate, boss.fanRange,
                                                               boss.fanDamage));
    game::soundPool.play(game::homingFireBuffer, boss.position, game::playerPosition);
    boss.fansLeft--;
}

void fireBounceBurst(DieSentry& boss) {
    const float b = float(boss.burstAngle);
    for (float angle : {b, b + 60, b - 60, b + 120, b - 120, b - 180}) {
        BounceBall ball;
        aimBullet(ball, game::bossBulletTexture, boss.position, angle, boss.ballSpeed, boss.ballRange,
                  boss.ballDamage);
        game::bossBullets.push_back(ball);
    }
    boss.burstsLeft--;
}

void BounceBall::update() {
    const float radians = angle * degreesToRadians;
    const sf::Vector2f d = speed * game::frameTime * sf::Vector2f(std::cos(radians), std::sin(radians));
    position += d;
    sprite.setPosition(position);
    bounds = sprite.getGlobalBounds();
    // Within 40 units of a side the ball turns back from it; near a corner from
    // both. A ball deep in a corner touches two walls at once: it turns once, or
    // the second turn would undo the first and let it out of the arena.
    for (const sf::FloatRect& wall : game::arenaWalls) {
        if (!rectCornerInRect(bounds, wall))
            continue;
        if (position.x > game::arenaWidth - 40 || position.x < 40)
            angle = angle >= 0 ? 180 - angle : -180 - angle;
        if (position.y < 40 || position.y > game::arenaHeight - 40)
            angle = -angle;
        break;
    }
    distanceTravelled += length(d);
    if (distanceTravelled >= maxDistance)
        alive = false;
    compat::setRotation(sprite, angle);
}
