// The replay file: what is written reads back the same, bit for bit, and anything
// that is not a whole replay of this format is refused with a reason.
#include "app/Difficulty.hpp"
#include "persistence/ReplayFile.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <zlib.h>

namespace {

// A short run: 301 frames, so one check on the interval and one after the last.
Replay sampleRun() {
    Replay run;
    run.gameVersion = "1.0.1";
    run.difficulty = game::BossFight;
    run.practiceAttack = 2;
    run.seed = 4000000000u;
    run.startFrameTime = 0.0123f;
    run.ending = ReplayEnding::Death;
    for (std::uint16_t i = 0; i < 301; i++) {
        run.steps.push_back(std::uint16_t(1 + i * 55 % replayMaxMicroseconds));
        run.inputs.push_back(std::uint8_t(i % (replayInput::all + 1)));
    }
    run.clockReads = {1765000000, -1};
    run.checks = {{300, 12.5f, -0.0f, 940, 5, 17, 5.0f}, {301, 1e-7f, 899.99f, -60, 14, 0, 5.01667f}};
    return run;
}

bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ReplayFile, ARunReadsBackBitForBit) {
    const Replay run = sampleRun();
    Replay read;
    std::string error;
    ASSERT_TRUE(decodeReplay(encodeReplay(run), read, error)) << error;
    EXPECT_EQ(read.gameVersion, run.gameVersion);
    EXPECT_EQ(read.difficulty, run.difficulty);
    EXPECT_EQ(read.practiceAttack, run.practiceAttack);
    EXPECT_EQ(read.seed, run.seed);
    EXPECT_TRUE(sameBits(read.startFrameTime, run.startFrameTime));
    EXPECT_EQ(read.ending, run.ending);
    EXPECT_EQ(read.steps, run.steps);
    EXPECT_EQ(read.inputs, run.inputs);
    EXPECT_EQ(read.clockReads, run.clockReads);
    ASSERT_EQ(read.checks.size(), 2u);
    EXPECT_EQ(describeDifference(read.checks[0], run.checks[0]), "");
    EXPECT_EQ(describeDifference(read.checks[1], run.checks[1]), "");
    EXPECT_TRUE(sameBits(read.checks[0].y, -0.0f));
}

// Where sampleRun()'s file holds its counts: after the magic, the format, the two
// texts, the difficulty, the attack practised, the seed, the first frame time and
// the ending; after two clock reads; after two checks.
constexpr std::size_t practiceAt = 26, clockReadCountAt = 36, checkCountAt = 56, frameCountAt = 116;

void putNumber(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; i++)
        bytes[offset + i] = char(value >> (8 * i));
}

// A good file with the 32 bits at offset replaced, its checksum made right again, as
// a hostile file would be.
std::string withNumber(std::string bytes, std::size_t offset, std::uint32_t value) {
    putNumber(bytes, offset, value);
    const std::size_t size = bytes.size() - 4;
    putNumber(bytes, size, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(size))));
    return bytes;
}

// Each row damages a good file one way; every one must be refused with its reason.
TEST(ReplayFile, AnythingButAWholeReplayIsRefusedWithItsReason) {
    const std::string good = encodeReplay(sampleRun());
    const auto encoded = [](const std::function<void(Replay&)>& change) {
        Replay run = sampleRun();
        change(run);
        return encodeReplay(run);
    };
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } rows[] = {
        {"an empty file", "", "not a Vizovid replay"},
        {"one byte flipped", std::string(good).replace(40, 1, 1, char(good[40] ^ 1)), "checksum"},
        {"a later format", withNumber(good, 14, 4), "format 4; this game reads formats 1 to 3"},
        {"no format", withNumber(good, 14, 0), "format 0"},
        {"more clock reads than bytes", withNumber(good, clockReadCountAt, 1u << 31), "more clock reads than bytes"},
        {"more checks than bytes", withNumber(good, checkCountAt, 1u << 31), "more checks than bytes"},
        {"8 million frames in a small file", withNumber(good, frameCountAt, 8'000'000), "no frames it could play"},
        {"no such difficulty", encoded([](Replay& r) { r.difficulty = game::BossFight + 1; }), "no difficulty"},
        {"a practice outside the fight", encoded([](Replay& r) { r.difficulty = game::Hell; }), "no attack"},
        {"no such attack", encoded([](Replay& r) { r.practiceAttack = 5; }), "no attack"},
        {"no such ending", encoded([](Replay& r) { r.ending = ReplayEnding(0); }), "no difficulty or ending"},
        {"no frames", encoded([](Replay& r) { r.steps.clear(); }), "no frames"},
        {"a step beyond the cap", encoded([](Replay& r) { r.steps[7] = replayMaxMicroseconds + 1; }), "frame 7"},
        {"a frame of no time", encoded([](Replay& r) { r.steps[8] = 0; }), "frame 8"},
        {"a first frame time of no number", encoded([](Replay& r) { r.startFrameTime = NAN; }), "first frame"},
        {"a first frame time below zero", encoded([](Replay& r) { r.startFrameTime = -0.5f; }), "first frame"},
        {"a run clock of no number", encoded([](Replay& r) { r.checks[1].runTime = NAN; }), "frame 301"},
        {"a player nowhere", encoded([](Replay& r) { r.checks[0].x = -INFINITY; }), "frame 300"},
        {"an input no device gives", encoded([](Replay& r) { r.inputs[9] = 64; }), "frame 9"},
        {"a check missing", encoded([](Replay& r) { r.checks.pop_back(); }), "checks"},
        {"checks out of order", encoded([](Replay& r) { std::swap(r.checks[0], r.checks[1]); }), "out of order"},
    };
    for (const auto& row : rows) {
        Replay read;
        std::string error;
        EXPECT_FALSE(decodeReplay(row.bytes, read, error)) << row.name;
        EXPECT_NE(error.find(row.reason), std::string::npos) << row.name << ": " << error;
    }
}

// A replay of format 2 has no attack practised: it reads as a run that practised none.
TEST(ReplayFile, AnOlderFormatReadsAsARunThatPractisedNothing) {
    const std::string older = encodeReplay(sampleRun()).erase(practiceAt, 1);
    Replay read;
    std::string error;
    ASSERT_TRUE(decodeReplay(withNumber(older, 14, 2), read, error)) << error;
    EXPECT_EQ(read.difficulty, 4);
    EXPECT_EQ(read.practiceAttack, 0);
    EXPECT_EQ(read.seed, sampleRun().seed);
}

TEST(ReplayFile, ADifferenceNamesWhatDiffers) {
    const ReplayCheck kept{600, 100, 200, 940, 5, 17, 10};
    ReplayCheck moved = kept;
    moved.x = 100.5f;
    ReplayCheck hurt = kept;
    hurt.health = 880;
    ReplayCheck crowded = kept;
    crowded.projectiles = 18;
    EXPECT_EQ(describeDifference(moved, kept), "the player is at (100.5, 200), the replay has (100, 200)");
    EXPECT_EQ(describeDifference(hurt, kept), "health is 880, the replay has 940");
    EXPECT_EQ(describeDifference(crowded, kept), "18 projectiles, the replay has 17");
}

// The rough replay that CI verifies holds what a real machine records besides steady
// frames: a first frame time, steps beyond the cap, frames without the focus and a
// pad lost; were the recorder to lose one, the verification would no longer cover it.
TEST(ReplayFile, TheRoughReplayHoldsWhatARealMachineRecords) {
    Replay rough;
    std::string error;
    ASSERT_TRUE(readReplay(VIZOVID_SOURCE_DIR "/tests/replays/rough.vzr", rough, error)) << error;
    const auto& inputs = rough.inputs;
    EXPECT_GT(rough.startFrameTime, 0);
    EXPECT_GT(std::count(rough.steps.begin(), rough.steps.end(), replayMaxMicroseconds), 10);
    EXPECT_GT(std::count_if(inputs.begin(), inputs.end(), [](std::uint8_t held) { return !(held & replayInput::focus); }), 100);
    EXPECT_EQ(std::count_if(inputs.begin(), inputs.end(), [](std::uint8_t held) { return held & replayInput::padLost; }), 1);
}

} // namespace
