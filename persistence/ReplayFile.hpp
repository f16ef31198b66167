// A run kept as its seed and the input of every frame, with the state it reached
// now and then, and its file: read whole, checked whole, never trusted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bits of one frame's input (a run's input::RunInput).
namespace replayInput {
constexpr std::uint8_t padLost = 1;
constexpr std::uint8_t focus = 2;
constexpr std::uint8_t up = 4;
constexpr std::uint8_t left = 8;
constexpr std::uint8_t down = 16;
constexpr std::uint8_t right = 32;
constexpr std::uint8_t all = 63;
} // namespace replayInput

// The run's state after a frame, to see that a replay plays out as it was played.
struct ReplayCheck {
    std::uint32_t frame = 0;       // frames played when it was taken
    float x = 0;                   // the player's centre, world units
    float y = 0;
    std::int32_t health = 0;
    std::int32_t sentries = 0;     // sentries of every kind on the arena
    std::int32_t projectiles = 0;  // projectiles of every kind in flight
    float runTime = 0;             // seconds on the run clock
};

// Tells what differs between two checks of the same frame, bit for bit; "" when
// nothing does.
std::string describeDifference(const ReplayCheck& played, const ReplayCheck& kept);

enum class ReplayEnding : std::uint8_t { Death = 1, Victory = 2, Left = 3 };

// The longest step a replay frame keeps: 1/60 s, the run's cap, in microseconds.
// The shortest is 1: no frame of a run takes no time at all.
constexpr std::uint16_t replayMaxMicroseconds = 16667;

// Eight hours at 300 frames a second: far beyond any run, and a bound on what the
// reader may allocate (about 50 MB for the frames).
constexpr std::uint32_t replayMaxFrames = 8'640'000;
// A twenty-minute run takes well under a megabyte; anything far bigger is refused
// before it is read.
constexpr std::uintmax_t replayMaxFileBytes = 16u << 20;

struct Replay {
    std::string gameVersion;             // of the game that recorded it, "1.0.1"
    std::string build;                   // what else shapes its floats: "Linux x86-64, SFML 2"; "" before format 2
    std::int32_t difficulty = 0;         // 1 Average, 2 Hard, 3 HELL, 4 the boss fight
    std::int32_t practiceAttack = 0;     // 1 to 4: the boss's attack a practice practised; 0 before format 3
    std::uint32_t seed = 0;              // gameRandom() was seeded with it as the run started
    float startFrameTime = 0;            // seconds: the frame time the run's set-up read
    ReplayEnding ending = ReplayEnding::Left;
    std::vector<std::uint16_t> steps;    // each frame's measured time, microseconds, at most the cap
    std::vector<std::uint8_t> inputs;    // each frame's input, as replayInput bits
    std::vector<std::int64_t> clockReads; // the calendar time, each time the run asked for it
    std::vector<ReplayCheck> checks;     // every 300 frames and after the last one

    float runTime() const { return checks.empty() ? 0 : checks.back().runTime; }
};

// A check is taken after every this many frames, and after the last.
constexpr std::uint32_t replayCheckInterval = 300;

std::string encodeReplay(const Replay& replay);
// False, with one line in error saying what is wrong, for anything that is not a
// whole replay that this game's recorder could have written. Formats 1 to 3 read.
bool decodeReplay(const std::string& bytes, Replay& replay, std::string& error);
// The same for a file; only a regular file of at most replayMaxFileBytes is read.
bool readReplay(const std::string& path, Replay& replay, std::string& error);
