// The Zev Azirid's programme: a five-second wander, then attacks 1 to 4 with
// pauses between them, then the end. The attack timer keeps its remainder at each
// change, so the times of the programme are nominal.
#include "boss/DieSentry.hpp"

#include "app/GameContext.hpp"
#include "app/SfmlCompat.hpp"
#include "boss/BossAttacks.hpp"
#include "run/Geometry.hpp"

#include <cmath>
#include <cstdlib>

namespace {

const sf::Vector2f arenaCentre(game::arenaWidth * 0.5f, game::arenaHeight * 0.5f);

sf::IntRect sheetFrame(std::int32_t frame) {
    return sf::IntRect({250 * frame, 0}, {250, 250});
}

// A wander point 100 units away, at least 250 units inside every edge.
sf::Vector2f wanderPoint(sf::Vector2f from) {
    while (true) {
        const float radians = float(std::rand() % 360 - 180) * degreesToRadians;
        const sf::Vector2f point = from + 100.0f * sf::Vector2f(std::cos(radians), std::sin(radians));
        if (point.x >= 250 && point.x <= game::arenaWidth - 250 && point.y >= 250
            && point.y <= game::arenaHeight - 250)
            return point;
    }
}

void beginPause(DieSentry& boss, std::int32_t nextAttack, float attackLength) {
    boss.attack = -1;
    boss.nextAttack = nextAttack;
    boss.attackTimer -= attackLength;
}

} // namespace

void setUpBossFight() {
    game::musicSound.play();
    DieSentry boss;
    boss.sprite.setTexture(game::dieSentryTexture);
    boss.sprite.setTextureRect(sheetFrame(3));
    boss.sprite.setOrigin({125, 125});
    boss.position = arenaCentre;
    boss.destination = arenaCentre;
    boss.sprite.setPosition(arenaCentre);
    boss.bounds = boss.sprite.getGlobalBounds();
    dropBombAt(arenaCentre, 0, 0); // a harmless entrance blast
    game::dieSentries.push_back(boss);
    countOnce(game::saveData.timesAttemptedDieSentry);
    game::hud.pushMessage("Good luck");
    game::arenaFrame.setOutlineColor(sf::Color(250, 30, 30, 255));
}

void DieSentry::update() {
    animTimer += game::frameTime;
    attackTimer += game::frameTime;

    if (attack == -1) {
        if (animTimer >= 1.25f && !animating) {
            animating = true;
            animTimer -= 1.25f;
        }
        // The end: from 3 s into the last pause, every frame drops a bomb on the
        // player that nothing survives; the run ends by its death, as a victory.
        if (attackTimer >= 3.0f && nextAttack == 5) {
            game::bossBeaten = true;
            dropBombAt(game::playerPosition, 0, 100000);
        }
        if (attackTimer >= pauseLength) {
            attackTimer = 0;
            attack = nextAttack;
            if (attack == 3)
                releaseLaserSentries(*this);
            else if (attack == 4)
                applyAttack4Settings(*this);
        }
    }
    if (attack == 0) {
        patternTimer += game::frameTime;
        if (animTimer >= 0.75f && !animating) {
            animating = true;
            animTimer -= 0.75f;
        }
        if (attackTimer >= 5.0f) {
            attackTimer = 0;
            attack = 1;
        }
        if (patternTimer >= 1.0f) {
            destination = wanderPoint(position);
            spinSpeed = 0;
            patternTimer -= 1.0f;
        }
    }

    // One animation shows frames 1 to 6 for 0.06 s each and comes back to frame 0.
    if (animating) {
        if (animTimer >= 0.06f) {
            animTimer = 0;
            frame++;
        }
        if (frame == 7) {
            frame = 0;
            animating = false;
        }
        sprite.setTextureRect(sheetFrame(frame));
    }

    if (position != destination) {
        spin += spinSpeed * game::frameTime;
        if (stepToward(position, destination, moveSpeed * game::frameTime)) {
            spin = 0;
            patternTimer = 0;
        }
        compat::setRotation(sprite, spin);
        sprite.setPosition(position);
        bounds = sprite.getGlobalBounds();
    }

    switch (attack) {
    case 1:
        patternDriver(*this, 28, 4);
        if (attackTimer >= 60) {
            beginPause(*this, 2, 60);
            // Back to the centre, with one full turn on the way.
            destination = arenaCentre;
            const float distance = length(destination - position);
            spinSpeed = distance > 0 ? 360 / (distance / moveSpeed) : 0;
        }
        break;
    case 2:
        bounceWaveStep(*this);
        if (attackTimer >= 51)
            beginPause(*this, 3, 51);
        break;
    case 3:
        // The laser sentries act on their own; they and every laser go at the end.
        if (attackTimer >= 43) {
            game::lasers.clear();
            game::laserSentries.clear();
            beginPause(*this, 4, 43);
        }
        break;
    case 4:
        patternDriver(*this, 20, 5);
        // Never ends in flight: only at the first arrival after 50 s.
        if (attackTimer >= 50 && position == destination)
            beginPause(*this, 5, 50);
        break;
    default:
        break;
    }
}
