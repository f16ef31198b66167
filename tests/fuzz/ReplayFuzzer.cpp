// libFuzzer target for the replay file: any bytes are read as a replay; what reads
// must write back to the very same bytes, and what does not must say why.
//
// Mutated bytes almost never keep the replay's checksum, nor the check deflate keeps
// on the frames, so plain mutation stops at the checksum. The mutator below works
// under both: it mutates the frames of a replay that reads as they are before
// deflating, and mends the checksum of whatever it made, but not always, so that
// the checksum itself is still tried.
#include "persistence/ReplayFile.hpp"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <zlib.h>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

// How often each outcome came, said at exit, so that a run shows how deep into the
// reader its inputs went. Numbers in the reasons are folded, so a frame's is one.
struct Tally {
    std::map<std::string, long> outcomes;
    ~Tally() {
        for (const auto& [outcome, count] : outcomes)
            std::fprintf(stderr, "outcome: %ld %s\n", count, outcome.c_str());
    }
    void count(const std::string& outcome) {
        std::string folded;
        for (char c : outcome)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                folded += c;
            else if (folded.empty() || folded.back() != '#')
                folded += '#';
        outcomes[folded]++;
    }
};
Tally tally;

// A replay's frames as its file deflates them: every step, then every input.
std::string framesOf(const Replay& replay) {
    std::string raw;
    for (std::uint16_t step : replay.steps)
        raw += {char(step & 0xFF), char(step >> 8)};
    raw.append(replay.inputs.begin(), replay.inputs.end());
    return raw;
}

// Takes frames back from such bytes; a count that is not a third of them stays
// uneven, as a damaged file would have it.
void setFrames(Replay& replay, const std::string& raw) {
    const std::size_t frames = raw.size() / 3;
    replay.steps.clear();
    for (std::size_t i = 0; i < frames; i++)
        replay.steps.push_back(std::uint16_t(std::uint8_t(raw[2 * i]) | std::uint8_t(raw[2 * i + 1]) << 8));
    replay.inputs.assign(raw.begin() + std::ptrdiff_t(2 * frames), raw.end());
}

// Mutates bytes that read as a replay below the file's checks: drops one of its
// checks, or mutates its frames as they are before deflating (now and then halved
// a few times, even to none). 0 when the bytes do not read or the result would not fit.
std::size_t mutateReplay(std::uint8_t* data, std::size_t size, std::size_t maxSize, std::minstd_rand& random) {
    Replay replay;
    std::string error;
    if (!decodeReplay(std::string(reinterpret_cast<const char*>(data), size), replay, error))
        return 0;
    if (random() % 4 == 0) {
        replay.checks.erase(replay.checks.begin() + std::ptrdiff_t(random() % replay.checks.size()));
    } else {
        std::string raw = framesOf(replay);
        const std::size_t rawSize = raw.size();
        raw.resize(rawSize + 64);
        raw.resize(LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(&raw[0]), rawSize, raw.size()));
        if (random() % 8 == 0)
            raw.resize(raw.size() >> random() % 16);
        setFrames(replay, raw);
    }
    const std::string bytes = encodeReplay(replay);
    if (bytes.size() > maxSize)
        return 0;
    std::memcpy(data, bytes.data(), bytes.size());
    return bytes.size();
}

} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned seed) {
    std::minstd_rand random(seed);
    std::size_t mutated = random() % 2 == 0 ? mutateReplay(data, size, maxSize, random) : 0;
    if (mutated == 0)
        mutated = LLVMFuzzerMutate(data, size, maxSize);
    if (mutated >= 4 && random() % 16 != 0) {
        const std::uint32_t crc = std::uint32_t(crc32(0, data, uInt(mutated - 4)));
        for (int i = 0; i < 4; i++)
            data[mutated - 4 + i] = std::uint8_t(crc >> (8 * i));
    }
    return mutated;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Replay replay;
    std::string error;
    if (!decodeReplay(bytes, replay, error)) {
        if (error.empty())
            std::abort();
        tally.count(error);
        return 0;
    }
    tally.count("read");
    Replay again;
    if (!decodeReplay(encodeReplay(replay), again, error) || encodeReplay(again) != encodeReplay(replay))
        std::abort();
    return 0;
}
