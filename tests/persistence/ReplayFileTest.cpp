// The replay file: what is written reads back the same, bit for bit, and anything
// that is not a whole replay of this format is refused with a reason.
#include "app/Difficulty.hpp"
#include "persistence/ReplayFile.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

// A short run: 301 frames, so one check on the interval and one after the last.
Replay sampleRun() {
    Replay run;
    run.gameVersion = "1.0.1";
    run.difficulty = game::Hell;
    run.seed = 4000000000u;
    run.startFrameTime = 0.0123f;
    run.ending = ReplayEnding::Death;
    for (std::uint16_t i = 0; i < 301; i++) {
        run.steps.push_back(std::uint16_t(i * 55 % (replayMaxMicroseconds + 1)));
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

TEST(ReplayFile, TwentyMinutesAtTheDefaultFrameRateTakeWellUnderAMegabyte) {
    Replay run = sampleRun();
    run.steps.clear();
    run.inputs.clear();
    run.checks.clear();
    const std::uint32_t frames = 20 * 60 * 240;
    for (std::uint32_t i = 0; i < frames; i++) {
        run.steps.push_back(std::uint16_t(4100 + (i * 2654435761u >> 24) % 150)); // a jittery clock
        run.inputs.push_back(std::uint8_t(i / 97 % 4 == 0 ? replayInput::focus | replayInput::up : replayInput::focus));
    }
    for (std::uint32_t f = replayCheckInterval; f <= frames; f += replayCheckInterval)
        run.checks.push_back({f, 1, 2, 3, 4, 5, 6});
    EXPECT_LT(encodeReplay(run).size(), 600'000u);
}

// Each row damages a good file one way; every one must be refused with its reason.
TEST(ReplayFile, AnythingButAWholeReplayIsRefusedWithItsReason) {
    const std::string good = encodeReplay(sampleRun());
    const auto withFormat = [&](std::uint8_t format) {
        std::string bytes = good;
        bytes[14] = char(format);
        return bytes;
    };
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
        {"a save file", "0\n0\n0\n255 0 0\n", "not a Vizovid replay"},
        {"cut after the name", good.substr(0, 20), "checksum"},
        {"cut one byte short", good.substr(0, good.size() - 1), "checksum"},
        {"one byte flipped", std::string(good).replace(40, 1, 1, char(good[40] ^ 1)), "checksum"},
        {"another format", withFormat(2), "format 2; this game reads format 1"},
        {"no such difficulty", encoded([](Replay& r) { r.difficulty = game::BossFight + 1; }), "no difficulty"},
        {"no such ending", encoded([](Replay& r) { r.ending = ReplayEnding(0); }), "no difficulty or ending"},
        {"no frames", encoded([](Replay& r) { r.steps.clear(); }), "no frames"},
        {"a step beyond the cap", encoded([](Replay& r) { r.steps[7] = replayMaxMicroseconds + 1; }), "frame 7"},
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

} // namespace
