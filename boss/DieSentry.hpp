// The Zev Azirid: the boss of the last fight. It cannot be hurt; it runs a fixed
// programme of attacks with pauses between them, and the player wins by living
// through all of it, about 227 seconds.
#pragma once

#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>

// What attacks 1 and 4 fire, numbered as the boss draws them.
enum class BossPattern : std::int32_t {
    None = 0, // no pattern chosen yet
    Rings = 1,
    BombRain = 2,
    BladeSpiral = 3,
    HomingFans = 4,
    BounceBursts = 5,
};

struct DieSentry {
    static constexpr std::int32_t openingWander = 0;   // the five seconds before attack 1
    static constexpr std::int32_t pauseBetween = -1;   // the pause before each attack after the first
    static constexpr std::int32_t afterLastAttack = 5; // what the last pause leads to: the end

    compat::Sprite sprite;            // seven 250 x 250 frames side by side
    float patternTimer = 0;       // seconds toward the next shot, wander step or pattern
    float animTimer = 0;          // seconds toward the next animation event
    float attackTimer = 0;        // seconds in the current attack or pause
    sf::Vector2f position;
    sf::FloatRect bounds;
    float spin = 0;               // rotation while flying, degrees
    float moveSpeed = 1450.0f;    // units per second
    float patternRadius = 250.0f; // distance from the player of the spot a pattern is fired from
    float patternGap = 1.7f;      // seconds between one pattern's end and the next choice
    bool patternBusy = false;
    BossPattern pattern = BossPattern::None; // the pattern chosen last
    std::int32_t attack = openingWander; // 1 to 4 the attacks, or one of the three above
    float pauseLength = 5.0f;
    std::int32_t nextAttack = 0;  // the attack after this pause; afterLastAttack is the end
    bool animating = true;
    std::int32_t frame = 0;       // animation frame 0 to 6
    sf::Vector2f destination;
    float spinSpeed = 0;          // degrees per second while flying

    // Pattern 1: rings of bullets.
    float ringInterval = 0.1f;
    std::int32_t ringCount = 13;
    std::int32_t ringsLeft = 0;
    float ringSpeed = 900.0f;
    float ringRange = 3000.0f;
    std::int32_t ringDamage = 100;
    // Pattern 4: fans of five homing shots.
    float fanInterval = 0.25f;
    std::int32_t fanCount = 5;
    std::int32_t fansLeft = 0;
    float fanSpeed = 1100.0f;
    float fanRange = 4000.0f;
    float fanTurnRate = 3.2f;
    std::int32_t fanDamage = 100;
    // Pattern 2: bombs raining on random points.
    float rainInterval = 0.03f;
    std::int32_t rainCount = 50;
    std::int32_t rainLeft = 0;
    float rainFuse = 1.8f;
    std::int32_t rainDamage = 300;
    // Pattern 3: a spiral of blade fans.
    float spiralInterval = 0.02f;
    std::int32_t spiralCount = 360;
    std::int32_t spiralLeft = 0;
    std::int32_t spiralAngle = 0;     // degrees
    std::int32_t spiralDirection = 0; // 0 turns up, 1 down
    float bladeSpeed = 800.0f;
    float bladeRange = 4000.0f;
    std::int32_t bladeDamage = 60;
    // Attack 2 and pattern 5: bursts of six bouncing balls.
    float burstInterval = 0.05f;
    std::int32_t wavesLeft = 9;
    std::int32_t burstsPerWave = 11;
    std::int32_t burstsLeft = 0;
    std::int32_t burstAngle = 0;      // degrees, 0 to 59
    float ballSpeed = 300.0f;
    float ballRange = 14000.0f;
    std::int32_t ballDamage = 40;
    float waveGap = 0.1f;

    void update();
};

// Opens the boss fight: the music, the Zev Azirid at the centre with a harmless
// entrance blast, the attempt counted, "Good luck", and the arena frame in red. A
// practice opens in the pause before its attack instead, and counts nothing.
void setUpBossFight();

// The four attacks of the programme by what they are: "Pattern barrage", "Bounce
// waves", "Laser sentries", "Final barrage".
const char* attackName(std::int32_t attack);
// The nominal second of a fight at which the pause before the attack begins (for
// attack 1, the opening wander): 0, 65, 121 and 169.
float secondsBefore(std::int32_t attack);
// The boss as the programme has it when the pause before the attack begins: the
// attacks before it run, their remainders left aside. The boss waits at the arena
// centre, where every pause after the first attack takes it. Attack 1 needs
// nothing: the fight's own opening is its pause.
void enterPauseBefore(DieSentry& boss, std::int32_t attack);
