// The band that plays the boss theme: each instrument renders one note at a time
// into a bus (drums; a bus that ducks under the kick; an echo send; effects), and
// the mixing desk puts the buses together.
#pragma once

#include "Random.hpp"
#include "Synth.hpp"

#include <vector>

namespace gen {

struct Bus {
    std::vector<float> left, right;
    explicit Bus(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
    void add(std::size_t i, float l, float r) {
        if (i < left.size())
            left[i] += l, right[i] += r;
    }
};

class Band {
public:
    // A piece `seconds` long, `beat` seconds to the beat (the wobble follows it).
    Band(float seconds, float beat);

    // Times in seconds from the start of the piece; notes as MIDI numbers.
    void kick(float t0, float amp);
    void snare(float t0, float amp);
    void hat(float t0, float amp, bool open);
    // Two detuned saws through a low pass; `wobble` > 0 sweeps the filter in eighths.
    void bass(float t0, float length, int note, float amp, float cutoff, float wobble);
    // The arpeggio's voice, into the echo.
    void pluck(float t0, int note, float amp, float cutoff, float pan);
    // Three sustained notes of detuned saws, spread across the two sides.
    void pad(float t0, float length, const int* notes, float amp, float cutoff);
    // The melody voice, into the echo.
    void lead(float t0, float length, int note, float amp);
    void riser(float t0, float length, float amp);
    void crash(float t0, float amp);
    void zap(float t0, float amp);

    // Stereo interleaved: the echo delayed by `echoDelay` seconds, everything scaled
    // by `level` at each moment, then gently limited and faded out at the end.
    std::vector<float> mix(float echoDelay, float (*level)(float));

private:
    float seconds, beat;
    std::size_t frames;
    Bus drums, ducked, echo, effects;
    std::vector<float> kicks; // times of every kick, for the ducking
    Random noise;
};

} // namespace gen
