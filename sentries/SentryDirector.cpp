// The director's spawn slots and per-difficulty timetable.
#include "sentries/SentryDirector.hpp"

#include "app/GameContext.hpp"
#include "boss/DieSentry.hpp"
#include "run/Hud.hpp"
#include "sentries/BombSentry.hpp"
#include "sentries/BulletSentry.hpp"
#include "sentries/HomingSentry.hpp"
#include "sentries/PushwaveSentry.hpp"
#include "sentries/SentryKind.hpp"
#include "sentries/Upgrades.hpp"

#include <algorithm>
#include <cstdlib>

SentryDirector::SentryDirector() {
    // Sixteenths of the arena: five slots down each side, two near each of the top
    // and bottom corners, and four inner slots.
    const float u = game::arenaWidth / 16;
    const float v = game::arenaHeight / 16;
    const sf::Vector2f layout[slotCount] = {
        {u, 2 * v},      {u, 5 * v},       {u, 8 * v},       {u, 11 * v},      {u, 14 * v},
        {3 * u, v},      {3 * u, 15 * v},  {15 * u, 2 * v},  {15 * u, 5 * v},  {15 * u, 8 * v},
        {15 * u, 11 * v}, {15 * u, 14 * v}, {13 * u, v},     {13 * u, 15 * v},
        {game::arenaWidth / 2, v}, {game::arenaWidth / 2, 15 * v}, {4 * u, 8 * v}, {12 * u, 8 * v},
    };
    for (int i = 0; i < slotCount; i++)
        slots[i] = layout[i];
}

SentryDirector::SentryDirector(std::int16_t difficulty) : SentryDirector() {
    switch (difficulty) {
    case game::Average:
        openingEvents = 4;
        eventInterval = 15.0f;
        intervalGrowth = 1.5f;
        upgradeRolls = 2;
        break;
    case game::Hard: // keeps the default interval
        openingEvents = 6;
        intervalGrowth = 1.35f;
        upgradeRolls = 4;
        break;
    case game::Hell:
        openingEvents = 10;
        eventInterval = 8.0f;
        intervalGrowth = 1.2f;
        upgradeRolls = 8;
        break;
    case game::BossFight: // brings its own enemies: no event for 9999 s
        openingEvents = 0;
        eventInterval = 9999;
        intervalGrowth = 9999;
        upgradeRolls = 0;
        setUpBossFight();
        break;
    default:
        break;
    }
}

void SentryDirector::tick() {
    eventTimer += game::frameTime;
    if (eventCount < openingEvents) {
        if (eventTimer >= openingInterval) {
            nextEvent();
            eventTimer -= openingInterval;
            eventCount++;
        }
    } else if (eventTimer >= eventInterval) {
        nextEvent();
        // The timer loses the grown interval, so every wait is longer than the last.
        eventInterval += intervalGrowth;
        eventCount++;
        eventTimer -= eventInterval;
    }
}

void SentryDirector::nextEvent() {
    // The fuller the arena, the likelier an upgrade: none with fewer than two
    // sentries standing, (used - 1) in 19 after that, always once spawning closed.
    const int r = std::rand() % 19;
    const int used = edgeSlotsUsed + innerSlotsUsed;
    if (r > 19 - used)
        eventMode = EventMode::Upgrade;
    else
        eventMode = spawningOpen ? EventMode::Spawn : EventMode::Upgrade;

    if (eventMode == EventMode::Spawn) {
        // A new kind differs from the last two spawned.
        do
            eventKind = std::rand() % 4 + 1;
        while (eventKind == lastKind || eventKind == previousKind);
        bool inner = false;
        if (eventKind != BulletKind && innerSlotsUsed <= 3)
            inner = std::rand() % 2 == 1;
        spawnSentry(eventKind, inner);
        previousKind = lastKind;
        lastKind = eventKind;
    } else {
        do
            eventKind = std::rand() % 4 + 1;
        while (kindCount[eventKind] <= 0);
        // The boss fight allows no rolls; were an upgrade ever due there, it would
        // draw the first factor rather than divide by zero.
        upgradeFactor = upgradeFactors[std::rand() % std::max(upgradeRolls, 1)];
        upgradeChoice = std::rand() % 3 + 1;
        applyUpgrade(*this, eventKind);
    }
}

void SentryDirector::spawnSentry(std::int32_t kind, bool inner) {
    // The first candidate is always slot 2 (or inner slot 16); later ones are drawn
    // until a free one comes up. Spawning closes before the slots can run out.
    int slot;
    if (inner) {
        int j = 2;
        while (slotTaken[14 + j])
            j = std::rand() % 4;
        slot = 14 + j;
        innerSlotsUsed++;
    } else {
        int i = 2;
        while (slotTaken[i])
            i = std::rand() % 14;
        slot = i;
        edgeSlotsUsed++;
    }
    slotTaken[slot] = true;

    switch (kind) {
    case BulletKind:
        createBulletSentry(slots[slot]);
        game::hud.pushMessage("- BULLET SENTRY has been spawned!\n\n");
        break;
    case HomingKind:
        createHomingSentry(slots[slot]);
        game::hud.pushMessage("- HOMING SENTRY has been spawned!\n\n");
        break;
    case BombKind:
        createBombSentry(slots[slot]);
        game::hud.pushMessage("- BOMB SENTRY has been spawned!\n\n");
        break;
    case PushwaveKind:
        createPushwaveSentry(slots[slot]);
        game::hud.pushMessage("- PUSHWAVE SENTRY has been spawned!\n\n");
        break;
    default:
        break;
    }
    kindCount[kind]++;
    if (edgeSlotsUsed + innerSlotsUsed > 13)
        spawningOpen = false;
}
