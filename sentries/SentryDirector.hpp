// The director: places sentries on the arena's spawn slots and upgrades them on a
// timetable that depends on the difficulty.
#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstdint>

struct SentryDirector {
    static constexpr int slotCount = 18; // 0..13 edge slots, 14..17 inner slots
    enum class EventMode : std::int16_t { Spawn = 0, Upgrade = 1 };

    float eventTimer = 0;           // seconds gathered toward the next event
    sf::Vector2f slots[slotCount];  // spawn positions in world units
    bool slotTaken[slotCount] = {};
    float openingInterval = 0.2f;   // seconds between the events of the opening burst
    std::int32_t openingEvents = 5; // events in the opening burst
    float eventInterval = 10.0f;    // seconds to the next event after the burst; grows
    float intervalGrowth = 1.5f;    // added to eventInterval after every later event
    std::int32_t upgradeRolls = 3;  // entries of the upgrade factor table that can be drawn
    std::int32_t eventCount = 0;
    bool spawningOpen = true;       // false once 14 sentries stand
    std::int32_t kindCount[5] = {}; // sentries standing, indexed by SentryKind 1..4
    std::int32_t edgeSlotsUsed = 0;
    std::int32_t innerSlotsUsed = 0;
    EventMode eventMode = EventMode::Spawn; // what the latest event did
    std::int32_t eventKind = 0;
    std::int32_t lastKind = 0;      // kind of the latest spawn, 0 for none
    std::int32_t previousKind = 0;  // kind of the spawn before that
    std::int32_t upgradeChoice = 0; // 1..3: which statistic an upgrade raises
    float upgradeFactor = 0;
    std::uint8_t backdropAlpha = 0; // the boss fight's pulsing backdrop
    bool backdropRising = true;

    // The default timetable with the slots computed from the arena size.
    SentryDirector();
    // The timetable of a game::Difficulty.
    explicit SentryDirector(std::int16_t difficulty);

    // Once per run frame: gathers frameTime and runs at most one event when due.
    void tick();
    // One event: a new sentry, or an upgrade of every sentry of one kind.
    void nextEvent();
    // A sentry of the kind on a free edge slot, or inner slot when inner.
    void spawnSentry(std::int32_t kind, bool inner);
};
