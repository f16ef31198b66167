// The generator's own random numbers: SplitMix64, so that every platform draws the
// same sequence from the same seed (the C library's rand differs between libcs),
// and a hashed value noise for flames, smoke and texture grain.
#pragma once

#include <cstdint>

namespace gen {

class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), from the top 24 bits so that the float is exact.
    float uniform() { return float(next() >> 40) / 16777216.0f; }
    float range(float low, float high) { return low + (high - low) * uniform(); }
    // -1 to 1: white noise for the sound effects.
    float signedUnit() { return uniform() * 2.0f - 1.0f; }

private:
    std::uint64_t state;
};

// A lattice hash in [0, 1): the same (x, y, seed) always gives the same value.
inline float latticeValue(int x, int y, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(x) * 0x8DA6B343u ^ std::uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return float(h & 0xFFFFFFu) / 16777216.0f;
}

// Smooth value noise in [0, 1) at a point given in lattice cells.
float valueNoise(float x, float y, std::uint32_t seed);

// Four octaves of value noise, in [0, 1).
float fractalNoise(float x, float y, std::uint32_t seed);

} // namespace gen
