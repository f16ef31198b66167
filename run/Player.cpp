// The player's keyboard movement.
#include "run/Player.hpp"

#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "app/SfmlCompat.hpp"
#include "boss/BounceBall.hpp"
#include "persistence/SaveData.hpp"
#include "run/Geometry.hpp"
#include "run/Hud.hpp"
#include "run/TimeFormat.hpp"
#include "run/SoundPool.hpp"
#include "sentries/BombSentry.hpp"
#include "sentries/BulletSentry.hpp"
#include "sentries/HomingSentry.hpp"
#include "sentries/LaserSentry.hpp"
#include "sentries/PushwaveSentry.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One axis of a step: taken whole, or refused whole if it puts a corner of the
// player into a wall.
void stepAxis(compat::Sprite& sprite, float& coordinate, float delta) {
    coordinate += delta;
    sprite.setPosition(game::playerPosition);
    game::playerBounds = sprite.getGlobalBounds();
    for (const sf::FloatRect& wall : game::arenaWalls) {
        if (rectCornerInRect(game::playerBounds, wall)) {
            coordinate -= delta;
            sprite.setPosition(game::playerPosition);
            game::playerBounds = sprite.getGlobalBounds();
        }
    }
}

} // namespace

void Player::move(const input::RunInput& held) {
    currentSpeed = std::min(currentSpeed + (maxSpeed / accelerationTime) * game::frameTime, maxSpeed);

    // Opposite keys cancel; diagonals are not normalised.
    float dx = 0, dy = 0;
    if (held.up)
        moving = true, dy = -currentSpeed * game::frameTime;
    if (held.left)
        moving = true, dx = -currentSpeed * game::frameTime;
    if (held.down)
        moving = true, dy = dy + currentSpeed * game::frameTime;
    if (held.right)
        moving = true, dx = dx + currentSpeed * game::frameTime;
    if (!held.up && !held.left && !held.down && !held.right)
        currentSpeed = 0; // every new press accelerates from standstill

    stepAxis(sprite, game::playerPosition.x, dx);
    stepAxis(sprite, game::playerPosition.y, dy);

    // The requested step counts, even when a wall refused it.
    game::saveData.distanceTravelled += std::sqrt(dx * dx + dy * dy);
}

namespace {

void takeHit(Player& player, std::int32_t damage) {
    player.health -= damage;
    player.timeSinceHit = 0;
    game::soundPool.play(game::playerHitBuffer, game::playerPosition, game::playerPosition);
    countOnce(game::saveData.timesHitByProjectile);
}

// A projectile that flies into the player hurts once, when it lies wholly inside.
template <typename Projectile>
void takeHitsFrom(Player& player, std::vector<Projectile>& projectiles) {
    for (Projectile& projectile : projectiles) {
        if (!projectile.hit && rectInsideRect(projectile.bounds, game::playerBounds)) {
            projectile.hit = true;
            projectile.alive = false;
            takeHit(player, projectile.damage);
        }
    }
}

} // namespace

void Player::update() {
    moving = false;
    sprite.setPosition(game::playerPosition);
    game::playerBounds = sprite.getGlobalBounds();
    runTime += game::frameTime;
    timeSinceHit += game::frameTime;

    // No invulnerability after a hit: only each projectile's own flag keeps it from
    // hurting twice, and a beam hurts on every frame of contact.
    takeHitsFrom(*this, game::bullets);
    takeHitsFrom(*this, game::homingProjectiles);
    takeHitsFrom(*this, game::bossBullets);
    for (const Laser& laser : game::lasers)
        if (laser.name != "alarm" && rectCornerInRect(game::playerBounds, laser.bounds))
            takeHit(*this, laser.damage);
    // A blast hurts once, if the whole player stands inside its square. The boss's
    // entrance blast does no damage: it is no hit, with no sound and no count.
    for (Bomb& bomb : game::bombs) {
        if (bomb.exploded && !bomb.hit && rectInsideRect(game::playerBounds, bomb.bounds)) {
            bomb.hit = true;
            if (bomb.damage != 0)
                takeHit(*this, bomb.damage);
        }
    }
    // A wave's touch costs its damage alone: no sound, no count, no pause to healing.
    for (Pushwave& segment : game::pushwaves) {
        if (!segment.hit && rectInsideRect(segment.bounds, game::playerBounds)) {
            segment.hit = true;
            health -= segment.damage;
        }
    }

    // Regeneration after 8 quiet seconds; the last whole points may overshoot by one.
    if (timeSinceHit > 8.0f && health < maxHealth) {
        regenRemainder += float(regenPerSecond) * game::frameTime;
        while (regenRemainder > 1.0f) {
            health++;
            regenRemainder -= 1.0f;
        }
    }

    if (health < 1)
        game::runActive = false;

    // The bar shrinks from the right; below zero health it stays empty rather than
    // turning into a mirrored sliver of the texture.
    const int barWidth = std::max(0, int(float(health) / float(maxHealth) * 760));
    game::hud.healthBar.setTextureRect(sf::IntRect({0, 0}, {barWidth, 100}));
    game::hud.timeText.setString("Time: " + formatTime(std::int32_t(runTime)));

    if (game::saveData.rgbSkinEnabled) {
        const float t = runTime;
        sprite.setColor(sf::Color(std::uint8_t(int((std::sin(t) + 1) * 127.5f)),
                                  std::uint8_t(int((std::sin(t + 2) + 1) * 127.5f)),
                                  std::uint8_t(int((std::sin(t + 4) + 1) * 127.5f)), 255));
    }
}
