// The six sound effects, each synthesised from oscillators, filtered noise and
// envelopes. They are short and each has its own register, so several can overlap in
// a busy arena and still be told apart: a high falling zap for bullets, a rising
// whistle for homing shots and lasers, a low whoosh for pushwaves, a deep boom for
// bombs, a crunch for the player being hit and a dry tick for buttons.
#include "Effects.hpp"
#include "Random.hpp"
#include "Synth.hpp"
#include "platform/SfmlCompat.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <algorithm>
#include <cstdint>

namespace gen {

namespace {

std::vector<float> silence(float seconds) { return std::vector<float>(std::size_t(seconds * sampleRate), 0.0f); }

// A short square-wave zap falling from 1400 to 380 Hz with a noisy attack.
std::vector<float> bulletFire() {
    auto out = silence(0.16f);
    Oscillator tone;
    Filter soften;
    Random noise(11);
    for (std::size_t i = 0; i < out.size(); i++) {
        const float t = float(i) / sampleRate;
        const float hz = glide(1400, 380, 0.12f, t);
        float s = tone.square(hz) * pluckEnvelope(t, 0.002f, 0.045f);
        s += noise.signedUnit() * 0.5f * pluckEnvelope(t, 0.0005f, 0.006f);
        out[i] = soften.process(s, 5000, 0.1f).low;
    }
    return out;
}

// Air pushed out: noise through a band sweeping upward over a low thump.
std::vector<float> pushwaveFire() {
    auto out = silence(0.5f);
    Oscillator thump;
    Filter band;
    Random noise(22);
    for (std::size_t i = 0; i < out.size(); i++) {
        const float t = float(i) / sampleRate;
        const float whoosh = band.process(noise.signedUnit(), glide(300, 2600, 0.35f, t), 0.75f).band;
        const float body = thump.sine(glide(120, 45, 0.15f, t)) * pluckEnvelope(t, 0.004f, 0.11f);
        out[i] = whoosh * 1.6f * pluckEnvelope(t, 0.05f, 0.14f) + body * 0.9f;
    }
    return out;
}

// A blast: noise whose brightness falls away, a sub boom and a spatter of crackle.
std::vector<float> bombExplode() {
    auto out = silence(1.1f);
    Oscillator boom;
    Filter rumble, crackleTone;
    Random noise(33);
    for (std::size_t i = 0; i < out.size(); i++) {
        const float t = float(i) / sampleRate;
        const float blast = rumble.process(noise.signedUnit(), glide(7000, 180, 0.7f, t), 0.2f).low * pluckEnvelope(t, 0.001f, 0.28f);
        const float sub = boom.sine(glide(75, 32, 0.5f, t)) * pluckEnvelope(t, 0.003f, 0.35f);
        float crackle = 0;
        if (t < 0.5f && noise.uniform() < 0.004f * (1 - t * 2))
            crackle = noise.signedUnit() * 2.5f;
        crackle = crackleTone.process(crackle, 2500, 0.5f).band;
        out[i] = std::tanh((blast * 1.4f + sub * 1.1f + crackle) * 1.5f);
    }
    return out;
}

// Getting hurt: a distorted falling square with a metallic ring and a noise smack.
std::vector<float> playerHit() {
    auto out = silence(0.26f);
    Oscillator growl, ringA, ringB;
    Filter smack, soften;
    Random noise(44);
    for (std::size_t i = 0; i < out.size(); i++) {
        const float t = float(i) / sampleRate;
        const float body = growl.square(glide(230, 85, 0.18f, t)) * pluckEnvelope(t, 0.002f, 0.07f);
        const float ring = ringA.sine(910) * ringB.sine(1370) * pluckEnvelope(t, 0.001f, 0.035f);
        const float hit = smack.process(noise.signedUnit(), 3000, 0.3f).low * pluckEnvelope(t, 0.0005f, 0.025f);
        // Beams hurt on every frame they touch, so this repeats fast: keep it from hissing.
        out[i] = soften.process(std::tanh((body + ring * 0.7f + hit * 1.2f) * 1.4f), 4500, 0.1f).low;
    }
    return out;
}

// A seeker locking on: a phase-modulated whistle rising from 420 to 1150 Hz, bright
// at first and mellowing, with a fast wobble.
std::vector<float> homingFire() {
    auto out = silence(0.36f);
    Oscillator wobble;
    float carrier = 0, modulator = 0; // phases, in turns
    for (std::size_t i = 0; i < out.size(); i++) {
        const float t = float(i) / sampleRate;
        const float hz = glide(420, 1150, 0.22f, t) * (1 + 0.02f * wobble.sine(28));
        const float index = 2.5f * std::exp(-t / 0.08f) + 0.3f;
        carrier += hz / sampleRate;
        modulator += hz * 1.5f / sampleRate;
        carrier -= std::floor(carrier), modulator -= std::floor(modulator);
        out[i] = std::sin(twoPi * carrier + index * std::sin(twoPi * modulator)) * pluckEnvelope(t, 0.006f, 0.11f);
    }
    return out;
}

// A dry tick for buttons, 0.12 s: the game plays it once per press.
std::vector<float> buttonPress() {
    auto out = silence(0.12f);
    Oscillator high, low;
    for (std::size_t i = 0; i < out.size(); i++) {
        const float t = float(i) / sampleRate;
        const float tick = high.sine(1850) * pluckEnvelope(t, 0.001f, 0.012f);
        const float body = low.sine(glide(950, 700, 0.05f, t)) * pluckEnvelope(t, 0.002f, 0.025f) * 0.6f;
        // The last 20 ms fade to silence, so the sound ends without a click.
        out[i] = (tick + body) * (1 - ramp(t, 0.10f, 0.12f));
    }
    return out;
}

} // namespace

std::vector<Effect> allEffects() {
    return {
        {"Sounds/bulletFire.wav", 0.5f, bulletFire},
        {"Sounds/pushwaveFire.wav", 0.75f, pushwaveFire},
        {"Sounds/bombExplode.wav", 0.9f, bombExplode},
        {"Sounds/playerHit.wav", 0.85f, playerHit},
        {"Sounds/homingFire.wav", 0.6f, homingFire},
        {"Sounds/buttonPress.wav", 0.6f, buttonPress},
    };
}

std::vector<std::int16_t> toPcm(const std::vector<float>& samples, float peak) {
    float loudest = 1e-9f;
    for (float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    const float gain = peak * 32767.0f / loudest;
    std::vector<std::int16_t> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); i++)
        pcm[i] = std::int16_t(std::lround(std::max(-32767.0f, std::min(32767.0f, samples[i] * gain))));
    return pcm;
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, unsigned channels) {
    sf::OutputSoundFile file;
    if (!compat::openSoundFile(file, path, unsigned(sampleRate), channels))
        return false;
    file.write(samples.data(), samples.size());
    return true;
}

} // namespace gen
