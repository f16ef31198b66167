// libFuzzer target for the replay file: any bytes are read as a replay; what reads
// must write back to the very same bytes, and what does not must say why.
//
// Mutated bytes almost never keep the replay's checksum, nor the check deflate keeps
// on the frames, so plain mutation stops at the checksum. The mutator below works
// under both: it mutates the frames of a replay that reads as they are before
// deflating, and mends the checksum of whatever it made, but not always, so that
// the checksum itself is still tried.
#include "persistence/ReplayFile.hpp"

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
// reader its inputs went. A reason counts up to its first number: every frame's is one.
struct Tally : std::map<std::string, long> {
    ~Tally() {
        for (const auto& [outcome, count] : *this)
            std::fprintf(stderr, "outcome: %ld %s\n", count, outcome.c_str());
    }
} tally;

// Mutates bytes that read as a replay below the file's checks: drops one of its
// checks, or mutates its frames as they are before deflating (every step, then
// every input; the steps in the host's order, the file's on the machines we fuzz
// on), now and then halved a few times, even to none. 0 when the bytes do not read
// or the result would not fit.
std::size_t mutateReplay(std::uint8_t* data, std::size_t size, std::size_t maxSize, std::minstd_rand& random) {
    Replay replay;
    std::string error;
    if (!decodeReplay(std::string(reinterpret_cast<const char*>(data), size), replay, error))
        return 0;
    if (random() % 4 == 0) {
        replay.checks.erase(replay.checks.begin() + std::ptrdiff_t(random() % replay.checks.size()));
    } else {
        std::string raw(reinterpret_cast<const char*>(replay.steps.data()), 2 * replay.steps.size());
        raw.append(replay.inputs.begin(), replay.inputs.end());
        const std::size_t rawSize = raw.size();
        raw.resize(rawSize + 64);
        raw.resize(LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(&raw[0]), rawSize, raw.size()));
        if (random() % 8 == 0)
            raw.resize(raw.size() >> random() % 16);
        // A size that is no multiple of three leaves the count of inputs uneven, as a damaged file would.
        const std::size_t frames = raw.size() / 3;
        replay.steps.resize(frames);
        std::memcpy(replay.steps.data(), raw.data(), 2 * frames);
        replay.inputs.assign(raw.begin() + std::ptrdiff_t(2 * frames), raw.end());
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
        tally[error.substr(0, error.find_first_of("0123456789"))]++;
        return 0;
    }
    tally["read"]++;
    Replay again;
    if (!decodeReplay(encodeReplay(replay), again, error) || encodeReplay(again) != encodeReplay(replay))
        std::abort();
    return 0;
}
