// The director's spawn slots and per-difficulty timetable.
#include "sentries/SentryDirector.hpp"

#include "app/GameContext.hpp"

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
    case 1: // Average
        openingEvents = 4;
        eventInterval = 15.0f;
        intervalGrowth = 1.5f;
        upgradeRolls = 2;
        break;
    case 2: // Hard keeps the default interval
        openingEvents = 6;
        intervalGrowth = 1.35f;
        upgradeRolls = 4;
        break;
    case 3: // HELL
        openingEvents = 10;
        eventInterval = 8.0f;
        intervalGrowth = 1.2f;
        upgradeRolls = 8;
        break;
    case 4: // the boss fight brings its own enemies: no event for 9999 s
        openingEvents = 0;
        eventInterval = 9999;
        intervalGrowth = 9999;
        upgradeRolls = 0;
        break;
    default:
        break;
    }
}
