// The instruments and the mixing desk of the boss theme.
#include "Band.hpp"
#include "platform/SfmlCompat.hpp"

#include <algorithm>

namespace gen {

namespace {

std::size_t frameAt(float seconds) { return std::size_t(std::max(0.0f, seconds) * sampleRate); }

// Pan -1 (left) to 1 (right) with constant power.
void addPanned(Bus& bus, std::size_t i, float s, float pan) {
    const float angle = (pan + 1) * 0.25f * 3.14159265f;
    bus.add(i, s * std::cos(angle), s * std::sin(angle));
}

} // namespace

Band::Band(float seconds, float beat)
    : seconds(seconds), beat(beat), frames(frameAt(seconds)), drums(frames), ducked(frames), echo(frames),
      effects(frames), noise(0x5EED) {}

void Band::kick(float t0, float amp) {
    kicks.push_back(t0);
    Oscillator body;
    const std::size_t start = frameAt(t0), n = frameAt(0.35f);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float s = body.sine(glide(160, 44, 0.07f, t)) * pluckEnvelope(t, 0.001f, 0.12f)
                        + noise.signedUnit() * pluckEnvelope(t, 0.0002f, 0.002f) * 0.4f;
        drums.add(start + i, s * amp, s * amp);
    }
}

void Band::snare(float t0, float amp) {
    Oscillator tone;
    Filter band;
    const std::size_t start = frameAt(t0), n = frameAt(0.25f);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float rattle = band.process(noise.signedUnit(), 2200, 0.35f).band * pluckEnvelope(t, 0.001f, 0.07f);
        const float s = rattle * 1.6f + tone.sine(glide(230, 170, 0.03f, t)) * pluckEnvelope(t, 0.001f, 0.04f) * 0.6f;
        drums.add(start + i, s * amp * 0.9f, s * amp);
    }
}

void Band::hat(float t0, float amp, bool open) {
    Filter air;
    const float decay = open ? 0.09f : 0.018f;
    const std::size_t start = frameAt(t0), n = frameAt(decay * 5);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float s = air.process(noise.signedUnit(), 7500, 0.2f).high * pluckEnvelope(t, 0.0005f, decay) * amp;
        drums.add(start + i, s * 0.8f, s);
    }
}

void Band::bass(float t0, float length, int note, float amp, float cutoff, float wobble) {
    Oscillator a, b, sub;
    Filter filter;
    const float hz = midiToHz(float(note));
    const std::size_t start = frameAt(t0), n = frameAt(length + 0.03f);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float env = pluckEnvelope(t, 0.003f, length * 1.5f) * (1 - ramp(t, length, length + 0.03f));
        float fc = cutoff * (1 + 2.5f * std::exp(-t / 0.05f));
        if (wobble > 0)
            fc *= 1 + wobble * (0.5f - 0.5f * std::cos(twoPi * t / (beat / 2)));
        const float raw = a.saw(hz) + b.saw(hz * 1.006f) + sub.sine(hz * 0.5f) * 0.8f;
        const float s = filter.process(raw, fc, 0.3f).low * env * amp;
        ducked.add(start + i, s, s);
    }
}

// The arpeggio's voice: a square pluck whose filter snaps shut.
void Band::pluck(float t0, int note, float amp, float cutoff, float pan) {
    Oscillator osc;
    Filter filter;
    const float hz = midiToHz(float(note));
    const std::size_t start = frameAt(t0), n = frameAt(0.28f);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float fc = cutoff * (0.4f + 1.6f * std::exp(-t / 0.04f));
        const float s = filter.process(osc.square(hz), fc, 0.45f).low * pluckEnvelope(t, 0.002f, 0.07f) * amp;
        addPanned(echo, start + i, s, pan);
    }
}

void Band::pad(float t0, float length, const int* notes, float amp, float cutoff) {
    Oscillator osc[6] = {Oscillator(0.0f), Oscillator(0.31f), Oscillator(0.57f),
                         Oscillator(0.13f), Oscillator(0.79f), Oscillator(0.42f)};
    Filter left, right;
    const std::size_t start = frameAt(t0), n = frameAt(length + 0.4f);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float env = std::min(1.0f, t / 0.25f) * (1 - ramp(t, length, length + 0.4f));
        float l = 0, r = 0;
        for (int v = 0; v < 3; v++) {
            const float hz = midiToHz(float(notes[v]));
            l += osc[v].saw(hz * 0.997f);
            r += osc[v + 3].saw(hz * 1.003f);
        }
        ducked.add(start + i, left.process(l, cutoff, 0.1f).low * env * amp, right.process(r, cutoff, 0.1f).low * env * amp);
    }
}

// The melody voice: two saws an octave apart with a delayed vibrato.
void Band::lead(float t0, float length, int note, float amp) {
    Oscillator a, b, vibrato;
    Filter filter;
    const float hz = midiToHz(float(note));
    const std::size_t start = frameAt(t0), n = frameAt(length + 0.08f);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float env = std::min(1.0f, t / 0.01f) * (0.75f + 0.25f * std::exp(-t / 0.1f)) * (1 - ramp(t, length, length + 0.08f));
        const float f = hz * (1 + 0.006f * ramp(t, 0.15f, 0.4f) * vibrato.sine(5.5f));
        const float raw = a.saw(f) + 0.5f * b.saw(f * 2.002f);
        const float s = filter.process(raw, 2400 + 3000 * std::exp(-t / 0.12f), 0.2f).low * env * amp;
        echo.add(start + i, s, s);
    }
}

// White noise through a band that climbs, swelling toward the next section.
void Band::riser(float t0, float length, float amp) {
    Filter band;
    const std::size_t start = frameAt(t0), n = frameAt(length);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate, x = t / length;
        const float s = band.process(noise.signedUnit(), 300 * std::pow(30.0f, x), 0.6f).band * x * x * amp;
        effects.add(start + i, s * (1 - 0.3f * x), s);
    }
}

void Band::crash(float t0, float amp) {
    Filter air, tone;
    const std::size_t start = frameAt(t0), n = frameAt(2.2f);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float s = air.process(noise.signedUnit(), 5000, 0.1f).high * pluckEnvelope(t, 0.001f, 0.5f) * amp;
        const float l = s, r = tone.process(noise.signedUnit(), 6000, 0.1f).high * pluckEnvelope(t, 0.001f, 0.5f) * amp;
        effects.add(start + i, l, r);
    }
}

// A laser shot for the laser section: a falling sine with a bright edge.
void Band::zap(float t0, float amp) {
    Oscillator osc;
    const std::size_t start = frameAt(t0), n = frameAt(0.2f);
    for (std::size_t i = 0; i < n; i++) {
        const float t = float(i) / sampleRate;
        const float s = std::tanh(2.5f * osc.sine(glide(2400, 200, 0.18f, t))) * pluckEnvelope(t, 0.001f, 0.05f) * amp;
        addPanned(effects, start + i, s, (i / 2000) % 2 ? 0.5f : -0.5f);
    }
}

std::vector<float> Band::mix(float echoDelay, float (*level)(float)) {
    // Ping-pong echo on the arpeggio and the melody.
    const std::size_t delay = frameAt(echoDelay);
    std::vector<float> echoL(frames, 0.0f), echoR(frames, 0.0f);
    for (std::size_t i = 0; i < frames; i++) {
        const float fromL = i >= delay ? echoL[i - delay] : 0, fromR = i >= delay ? echoR[i - delay] : 0;
        echoL[i] = echo.left[i] + fromR * 0.38f;
        echoR[i] = echo.right[i] + fromL * 0.38f;
    }
    // The kick ducks the bass and the chords, which makes the whole mix pump.
    std::vector<float> out(frames * 2);
    std::sort(kicks.begin(), kicks.end());
    std::size_t nextKick = 0;
    float lastKick = -10;
    for (std::size_t i = 0; i < frames; i++) {
        const float t = float(i) / sampleRate;
        while (nextKick < kicks.size() && kicks[nextKick] <= t)
            lastKick = kicks[nextKick++];
        const float duck = 1 - 0.6f * std::exp(-(t - lastKick) / 0.08f);
        const float gain = level(t);
        const float l = (drums.left[i] + ducked.left[i] * duck + echoL[i] + effects.left[i]) * gain;
        const float r = (drums.right[i] + ducked.right[i] * duck + echoR[i] + effects.right[i]) * gain;
        // A gentle limiter, then a fade at the very end.
        const float fade = 1 - ramp(t, seconds - 1.5f, seconds);
        out[2 * i] = std::tanh(l * 0.9f) * fade;
        out[2 * i + 1] = std::tanh(r * 0.9f) * fade;
    }
    return out;
}

} // namespace gen
