// The Zev Azirid's programme: a five-second wander, then attacks 1 to 4 with
// pauses between them, then the end. The attack timer keeps its remainder at each
// change, so the times of the programme are nominal.
#include "boss/DieSentry.hpp"

#include "app/GameContext.hpp"
#include "boss/BossAttacks.hpp"
#include "persistence/SaveData.hpp"
#include "platform/GameRandom.hpp"
#include "platform/MusicStream.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Geometry.hpp"
#include "run/Hud.hpp"
#include "run/Practice.hpp"
#include "sentries/BombSentry.hpp"
#include "sentries/LaserSentry.hpp"
#include "sentries/Placement.hpp"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

const sf::Vector2f arenaCentre(game::arenaWidth * 0.5f, game::arenaHeight * 0.5f);

sf::IntRect sheetFrame(std::int32_t frame) {
    return sf::IntRect({250 * frame, 0}, {250, 250});
}

// A wander point 100 units away, at least 250 units inside every edge.
sf::Vector2f wanderPoint(sf::Vector2f from) {
    while (true) {
        const float radians = float(gameRandom() % 360 - 180) * degreesToRadians;
        const sf::Vector2f point = from + 100.0f * sf::Vector2f(std::cos(radians), std::sin(radians));
        if (point.x >= 250 && point.x <= game::arenaWidth - 250 && point.y >= 250
            && point.y <= game::arenaHeight - 250)
            return point;
    }
}

// The attacks' own steps, besides the pattern driver and the bounce waves.
void attack1Patterns(DieSentry& boss) { patternDriver(boss, 28, BossPattern::HomingFans); }
void attack4Patterns(DieSentry& boss) { patternDriver(boss, 20, BossPattern::BounceBursts); }
void nothing(DieSentry&) {}

// Back to the centre, with one full turn on the way.
void backToCentre(DieSentry& boss) {
    boss.destination = arenaCentre;
    boss.spinSpeed = oneTurnOnTheWay(boss);
}

// The laser sentries act on their own; they and every laser go at the end.
void removeLasers(DieSentry&) {
    game::lasers.clear();
    game::laserSentries.clear();
}

// One attack of the programme: its nominal length and what it does as it begins,
// every frame, and as the pause after it begins.
struct Attack {
    float length;                // seconds
    void (*begin)(DieSentry&);   // at the end of the pause before it
    void (*step)(DieSentry&);    // every frame of it
    void (*end)(DieSentry&);     // once, as it ends
    bool endsOnArrival;          // never ends in flight: only at the first arrival after its length
};

// Attacks 1 to 4; the opening wander has its own rules.
const Attack attacks[] = {
    {60, nothing, attack1Patterns, backToCentre, false},
    {51, nothing, bounceWaveStep, nothing, false},
    {43, releaseLaserSentries, nothing, removeLasers, false},
    {50, applyAttack4Settings, attack4Patterns, nothing, true},
};

bool inAttack(std::int32_t attack) {
    return attack >= 1 && attack < DieSentry::afterLastAttack;
}

// The step of the current attack; at its length, the pause before the next one.
// The timer keeps its remainder.
void runAttack(DieSentry& boss) {
    const Attack& attack = attacks[boss.attack - 1];
    attack.step(boss);
    if (boss.attackTimer < attack.length || (attack.endsOnArrival && boss.position != boss.destination))
        return;
    attack.end(boss);
    boss.nextAttack = boss.attack + 1;
    boss.attack = DieSentry::pauseBetween;
    boss.attackTimer -= attack.length;
}

// An animation every 1.25 s. The end: from 3 s into the last pause, every frame
// drops a bomb on the player that nothing survives; the run ends by its death, as a
// victory.
void runPause(DieSentry& boss) {
    if (boss.animTimer >= 1.25f && !boss.animating) {
        boss.animating = true;
        boss.animTimer -= 1.25f;
    }
    if (boss.attackTimer >= 3.0f && boss.nextAttack == DieSentry::afterLastAttack) {
        game::bossBeaten = true;
        dropBombAt(game::playerPosition, 0, 100000);
    }
    if (boss.attackTimer >= boss.pauseLength) {
        boss.attackTimer = 0;
        boss.attack = boss.nextAttack;
        if (inAttack(boss.attack))
            attacks[boss.attack - 1].begin(boss);
    }
}

// An animation every 0.75 s and a new wander point every second, for five seconds.
void runOpening(DieSentry& boss) {
    boss.patternTimer += game::frameTime;
    if (boss.animTimer >= 0.75f && !boss.animating) {
        boss.animating = true;
        boss.animTimer -= 0.75f;
    }
    if (boss.attackTimer >= 5.0f) {
        boss.attackTimer = 0;
        boss.attack = 1;
    }
    if (boss.patternTimer >= 1.0f) {
        boss.destination = wanderPoint(boss.position);
        boss.spinSpeed = 0;
        boss.patternTimer -= 1.0f;
    }
}

// One animation shows frames 1 to 6 for 0.06 s each and comes back to frame 0.
void animate(DieSentry& boss) {
    if (!boss.animating)
        return;
    if (boss.animTimer >= 0.06f) {
        boss.animTimer = 0;
        boss.frame++;
    }
    if (boss.frame == 7) {
        boss.frame = 0;
        boss.animating = false;
    }
    boss.sprite.setTextureRect(sheetFrame(boss.frame));
}

// Spinning on the way; arriving stops the spin and zeroes the pattern timer.
void fly(DieSentry& boss) {
    if (boss.position != boss.destination
        && spinningFlight(boss.sprite, boss.bounds, boss.position, boss.destination, boss.spin, boss.spinSpeed,
                          boss.moveSpeed, game::frameTime))
        boss.patternTimer = 0;
}

} // namespace

const char* attackName(std::int32_t attack) {
    static const char* const names[] = {"Pattern barrage", "Bounce waves", "Laser sentries", "Final barrage"};
    return inAttack(attack) ? names[attack - 1] : "";
}

float secondsBefore(std::int32_t attack) {
    const float openingLength = 5;
    float seconds = 0;
    for (std::int32_t earlier = 1; earlier < attack; earlier++)
        seconds += (earlier == 1 ? openingLength : DieSentry().pauseLength) + attacks[earlier - 1].length;
    return seconds;
}

void enterPauseBefore(DieSentry& boss, std::int32_t attack) {
    if (attack <= 1)
        return;
    boss.attack = DieSentry::pauseBetween;
    boss.nextAttack = attack;
    boss.attackTimer = 0;
    boss.position = arenaCentre;
    boss.destination = arenaCentre;
    boss.spinSpeed = 0;
    // The bounce waves spend every wave and burst; the final barrage's settings
    // come with its start, as in the fight.
    if (attack > 2) {
        boss.wavesLeft = 0;
        boss.burstsLeft = 0;
    }
}

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
    practice::setUpFight(boss);
    game::dieSentries.push_back(boss);
    if (game::practiceAttack != 0) {
        game::hud.pushMessage(std::string("Practice: ") + attackName(game::practiceAttack));
    } else {
        countOnce(game::saveData.timesAttemptedDieSentry);
        game::hud.pushMessage("Good luck");
    }
    game::arenaFrame.setOutlineColor(sf::Color(250, 30, 30, 255));
}

void DieSentry::update() {
    animTimer += game::frameTime;
    attackTimer += game::frameTime;
    // A pause may lead into an attack and the opening into attack 1 in this very
    // frame, which then runs its first step.
    if (attack == pauseBetween)
        runPause(*this);
    if (attack == openingWander)
        runOpening(*this);
    animate(*this);
    fly(*this);
    if (inAttack(attack))
        runAttack(*this);
}
