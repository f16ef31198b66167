// Sound building blocks shared by the effects and the boss theme: oscillators,
// a state-variable filter, envelopes and the conversion to 16-bit samples.
#pragma once

#include <SFML/Config.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace gen {

constexpr float sampleRate = 44100.0f;
constexpr float twoPi = 6.28318531f;

inline float midiToHz(float note) { return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f); }

// Exponential glide from `from` to `to` over `time` seconds, then holding `to`.
inline float glide(float from, float to, float time, float t) {
    return t >= time ? to : from * std::pow(to / from, t / time);
}

// 0 before `start`, rising linearly to 1 at `end`.
inline float ramp(float t, float start, float end) {
    return t <= start ? 0.0f : t >= end ? 1.0f : (t - start) / (end - start);
}

// Attack, then exponential decay with time constant `decay`.
inline float pluckEnvelope(float t, float attack, float decay) {
    if (t < 0)
        return 0;
    return (t < attack ? t / attack : 1.0f) * std::exp(-std::max(0.0f, t - attack) / decay);
}

// A phase accumulator with anti-aliased saw and square (polyBLEP) and a sine.
class Oscillator {
public:
    explicit Oscillator(float startPhase = 0) : phase(startPhase) {}

    float sine(float hz) { return std::sin(twoPi * advance(hz)); }
    float saw(float hz) {
        const float dt = hz / sampleRate, p = advance(hz);
        return 2 * p - 1 - blep(p, dt);
    }
    float square(float hz) {
        const float dt = hz / sampleRate, p = advance(hz);
        const float q = std::fmod(p + 0.5f, 1.0f);
        return (p < 0.5f ? 1.0f : -1.0f) + blep(p, dt) - blep(q, dt);
    }

private:
    float advance(float hz) {
        const float p = phase;
        phase += hz / sampleRate;
        phase -= std::floor(phase);
        return p;
    }
    static float blep(float t, float dt) {
        if (t < dt) {
            t /= dt;
            return t + t - t * t - 1;
        }
        if (t > 1 - dt) {
            t = (t - 1) / dt;
            return t * t + t + t + 1;
        }
        return 0;
    }
    float phase;
};

// A topology-preserving state-variable filter: low, band and high pass at once.
class Filter {
public:
    struct Out {
        float low, band, high;
    };
    Out process(float in, float cutoffHz, float resonance) {
        const float g = std::tan(3.14159265f * std::min(cutoffHz, sampleRate * 0.45f) / sampleRate);
        const float k = 2 - 2 * std::min(resonance, 0.98f);
        const float a1 = 1 / (1 + g * (g + k)), a2 = g * a1, a3 = g * a2;
        const float v3 = in - s2;
        const float v1 = a1 * s1 + a2 * v3;
        const float v2 = s2 + a2 * s1 + a3 * v3;
        s1 = 2 * v1 - s1;
        s2 = 2 * v2 - s2;
        return {v2, v1, in - k * v1 - v2};
    }

private:
    float s1 = 0, s2 = 0;
};

// Scales the samples so the loudest reaches `peak` (of full scale) and rounds them
// to 16 bits.
std::vector<std::int16_t> toPcm(const std::vector<float>& samples, float peak);

// Writes 16-bit PCM as a WAV file; false if it cannot be written.
bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, unsigned channels);

} // namespace gen
