// The player: a sprite steered by the keyboard inside the arena walls.
#pragma once

#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>
#include <cstdint>

struct Player {
    compat::Sprite sprite;              // drawn and hit-tested; origin at the texture's centre
    float runTime = 0;              // seconds: the run clock, advanced by frameTime
    float timeSinceHit = 0;         // seconds since the last hit that delays regeneration
    float maxSpeed = 0;             // units per second at full speed
    float accelerationTime = 0.07f; // seconds from standstill to full speed
    float currentSpeed = 0;         // units per second in this frame
    std::int32_t health = 0;        // hit points; the run ends below 1
    float regenRemainder = 0;       // fraction of a hit point carried between frames
    std::int32_t maxHealth = 0;     // regeneration stops here
    std::int32_t regenPerSecond = 100;
    bool moving = false;            // a movement key was held this frame

    // Movement of one frame by the directions held: accelerate, step each axis,
    // refuse a step that puts a corner of the player into a wall.
    void move(const input::RunInput& held);

    // One frame: hits from every kind of projectile, regeneration, death, and the
    // HUD's health bar and clock.
    void update();
};
