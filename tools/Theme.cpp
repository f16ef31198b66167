// The Zev Azirid's theme: a driving electronic piece in D minor at 144 beats per
// minute that follows the fight. The boss fight runs a fixed programme, so the music
// is written against its clock, in bars of 1.667 s:
//
//   bars   0-2    0-5 s     entrance: a swell and a heartbeat
//   bars   3-38   5-65 s    first barrage: four on the floor, offbeat bass, arpeggio opening up
//   bars  39-41   65-70 s   pause: drums drop out, the arpeggio echoes, a riser
//   bars  42-75   70-127 s  bouncing balls: full kit, rolling bass, the first melody
//   bars  76-103  127-173 s lasers: half time, darker chords, a wobbling bass, zaps
//   bars 104-135  173-227 s final barrage: everything, the second melody, crashes every 4 bars
//   bars 136-     227-231 s the boss blows up: one last hit and a dying chord
#include "Band.hpp"
#include "Effects.hpp"

#include <algorithm>

namespace gen {

namespace {

constexpr float beat = 60.0f / 144.0f;
constexpr float sixteenth = beat / 4;
constexpr float bar = beat * 4;
constexpr float totalSeconds = 231.0f;
constexpr int lastBar = 137;

enum class Section { Entrance, Barrage, Pause, Bounce, Lasers, Final, Ending };

Section sectionOf(int b) {
    if (b < 3) return Section::Entrance;
    if (b < 39) return Section::Barrage;
    if (b < 42) return Section::Pause;
    if (b < 76) return Section::Bounce;
    if (b < 104) return Section::Lasers;
    if (b < 136) return Section::Final;
    return Section::Ending;
}

struct Chord {
    int root;     // bass note, MIDI
    int notes[3]; // voicing around middle C
};
// Dm Bb F C; Gm Eb Dm A; Dm Bb Gm A.
const Chord mainChords[4] = {{38, {62, 65, 69}}, {34, {58, 62, 65}}, {41, {60, 65, 69}}, {36, {60, 64, 67}}};
const Chord laserChords[4] = {{43, {58, 62, 67}}, {39, {58, 63, 67}}, {38, {57, 62, 65}}, {33, {57, 61, 64}}};
const Chord finalChords[4] = {{38, {62, 65, 69}}, {34, {58, 62, 65}}, {43, {58, 62, 67}}, {33, {57, 61, 64}}};

const Chord& chordAt(int b) {
    switch (sectionOf(b)) {
    case Section::Lasers: return laserChords[(b - 76) % 4];
    case Section::Final: return finalChords[(b - 104) % 4];
    default: return mainChords[((b - 3) % 4 + 4) % 4];
    }
}

// Melodies in eighth notes over four bars: a MIDI note, 0 to hold, -1 for a rest.
const int firstMelody[32] = {74, 0, 77, 0, 81, 0, 79, 77, 77, 0, 74, 0, -1, 74, 77, 79,
                             81, 0, 0, 84, 81, 0, 79, 77, 76, 0, 0, 0, 79, 0, 76, 72};
const int secondMelody[32] = {81, 0, 86, 0, 84, 81, 0, 77, 82, 0, 81, 77, 74, 0, 77, 0,
                              79, 0, 82, 0, 86, 0, 84, 82, 81, 0, 0, 0, 85, 0, 88, 0};

class Arranger {
public:
    Arranger() : band(totalSeconds, beat) {}
    std::vector<float> render();

private:
    void playBar(int b);
    void playMelody(const int* melody, int b, float amp, int transpose);
    Band band;
};

void Arranger::playMelody(const int* melody, int b, float amp, int transpose) {
    const int phraseBar = b % 4;
    for (int step = 0; step < 8; step++) {
        const int note = melody[phraseBar * 8 + step];
        if (note <= 0)
            continue;
        // A note lasts until the next note or rest.
        int steps = 1;
        for (int k = phraseBar * 8 + step + 1; k < 32 && melody[k] == 0; k++)
            steps++;
        band.lead(float(b) * bar + float(step) * beat / 2, float(steps) * beat / 2 - 0.02f, note + transpose, amp);
    }
}

void Arranger::playBar(int b) {
    const float t = float(b) * bar;
    const Section section = sectionOf(b);
    const Chord& chord = chordAt(b);
    // How far into its section this bar is, 0 to 1.
    const auto progress = [&](int first, int count) { return float(b - first) / float(count); };

    switch (section) {
    case Section::Entrance:
        band.pad(t, bar, chord.notes, 0.05f + 0.04f * float(b), 400 + 300 * float(b));
        band.kick(t, 0.6f), band.kick(t + beat * 0.75f, 0.4f); // a heartbeat
        band.kick(t + beat * 2, 0.6f), band.kick(t + beat * 2.75f, 0.4f);
        if (b == 0)
            band.riser(t, 3 * bar, 0.5f);
        break;
    case Section::Barrage: {
        const float p = progress(3, 36);
        if ((b - 3) % 8 == 0)
            band.crash(t, 0.35f);
        band.pad(t, bar, chord.notes, 0.05f, 700 + 900 * p);
        for (int k = 0; k < 4; k++) {
            band.kick(t + float(k) * beat, 0.9f);
            band.bass(t + float(k) * beat + beat / 2, beat / 2 - 0.02f, chord.root + (k % 2 ? 12 : 0), 0.22f, 300 + 900 * p, 0);
            band.hat(t + float(k) * beat + beat / 2, 0.3f, false);
            if (b >= 11 && k % 2 == 1)
                band.snare(t + float(k) * beat, 0.5f);
        }
        for (int s = 0; s < 16; s++) {
            if (b >= 19 && s % 2 == 1)
                band.hat(t + float(s) * sixteenth, 0.12f, false);
            const int tone = chord.notes[(s * 2 + s / 4) % 3] + (s % 8 >= 4 ? 12 : 0);
            band.pluck(t + float(s) * sixteenth, tone, 0.12f + 0.06f * p, 900 + 2800 * p, s % 2 ? 0.4f : -0.4f);
        }
        if (b == 38)
            for (int s = 0; s < 16; s++)
                band.snare(t + float(s) * sixteenth, 0.15f + 0.35f * float(s) / 16);
        break;
    }
    case Section::Pause:
        band.pad(t, bar, chord.notes, 0.09f, 2200);
        band.bass(t, bar - 0.05f, chord.root - 12, 0.2f, 180, 0);
        for (int s = 0; s < 16; s += 3)
            band.pluck(t + float(s) * sixteenth, chord.notes[s % 3] + 12, 0.1f, 3000, s % 2 ? 0.6f : -0.6f);
        if (b == 40)
            band.riser(t, 2 * bar, 0.6f);
        break;
    case Section::Bounce: {
        const float p = progress(42, 34);
        if ((b - 42) % 8 == 0)
            band.crash(t, 0.4f);
        band.pad(t, bar, chord.notes, 0.05f, 1200 + 1200 * p);
        for (int k = 0; k < 4; k++) {
            band.kick(t + float(k) * beat, 1.0f);
            if (k % 2 == 1)
                band.snare(t + float(k) * beat, 0.65f);
            band.hat(t + float(k) * beat + beat / 2, 0.25f, true);
        }
        for (int s = 0; s < 16; s++) {
            band.hat(t + float(s) * sixteenth, s % 4 == 2 ? 0.16f : 0.09f, false);
            if (s % 4 != 0)
                band.bass(t + float(s) * sixteenth, sixteenth - 0.015f, chord.root + (s % 4 == 3 ? 12 : 0), 0.2f, 600 + 700 * p, 0);
            const int tone = chord.notes[(s + s / 4) % 3] + 12 * ((s / 2) % 2);
            band.pluck(t + float(s) * sixteenth, tone, 0.14f, 2500 + 2500 * p, s % 2 ? 0.5f : -0.5f);
        }
        if (b >= 51 && b < 75) // phrases start on the D minor bars
            playMelody(firstMelody, b - 51, 0.11f, 0);
        if (b == 74)
            band.riser(t, 2 * bar, 0.6f);
        if (b == 75)
            for (int s = 0; s < 16; s++)
                band.snare(t + float(s) * sixteenth, 0.2f + 0.4f * float(s) / 16);
        break;
    }
    case Section::Lasers: {
        const float p = progress(76, 28);
        if ((b - 76) % 8 == 0)
            band.crash(t, 0.35f);
        band.pad(t, bar, chord.notes, 0.06f, 900 + 600 * p);
        // Half time: kicks on one, the "and" of two and three; a snare on three.
        band.kick(t, 1.0f), band.kick(t + beat * 1.5f, 0.8f), band.kick(t + beat * 2, 0.9f);
        band.snare(t + beat * 2, 0.75f);
        band.bass(t, bar - 0.03f, chord.root, 0.16f, 250, 5.0f + 4.0f * p);
        for (int s = 0; s < 16; s++) {
            band.hat(t + float(s) * sixteenth, s % 2 ? 0.08f : 0.14f, s == 14);
            if (s % 2 == 0)
                band.pluck(t + float(s) * sixteenth, chord.notes[(s / 2) % 3] + 12, 0.1f + 0.05f * p, 1800 + 2000 * p, s % 4 ? 0.6f : -0.6f);
        }
        band.zap(t + beat * 3.5f, 0.18f + 0.12f * p);
        if (b % 2 == 1)
            band.zap(t + beat * 1.75f, 0.12f);
        if (b >= 100) // four bars of build-up, the roll getting denser
            for (int s = 0; s < 16; s += (b >= 102 ? 1 : 2))
                band.snare(t + float(s) * sixteenth, 0.15f + 0.12f * float(b - 100) + 0.1f * float(s) / 16);
        if (b == 100)
            band.riser(t, 4 * bar, 0.7f);
        break;
    }
    case Section::Final: {
        const float p = progress(104, 32);
        if ((b - 104) % 4 == 0)
            band.crash(t, 0.45f);
        band.pad(t, bar, chord.notes, 0.07f, 2500 + 1500 * p);
        for (int k = 0; k < 4; k++) {
            band.kick(t + float(k) * beat, 1.0f);
            if (k % 2 == 1)
                band.snare(t + float(k) * beat, 0.75f);
            band.hat(t + float(k) * beat + beat / 2, 0.3f, true);
        }
        for (int s = 0; s < 16; s++) {
            band.hat(t + float(s) * sixteenth, s % 2 ? 0.12f : 0.2f, false);
            if (s % 4 != 0)
                band.bass(t + float(s) * sixteenth, sixteenth - 0.015f, chord.root + (s % 2 ? 12 : 0), 0.22f, 900 + 800 * p, 0);
            const int tone = chord.notes[(s * 2 + s / 4) % 3] + 12 * ((s / 4) % 2) + (s % 8 == 7 ? 12 : 0);
            band.pluck(t + float(s) * sixteenth, tone, 0.15f, 4000 + 2000 * p, s % 2 ? 0.55f : -0.55f);
        }
        playMelody(secondMelody, b - 104, 0.12f, b >= 128 ? 12 : 0);
        if (b == 134)
            band.riser(t, 2 * bar, 0.7f);
        break;
    }
    case Section::Ending:
        if (b == 136) {
            band.crash(t, 0.6f);
            band.kick(t, 1.2f);
            band.bass(t, 2.5f, 26, 0.3f, 200, 0);
            band.pad(t, 3.0f, mainChords[0].notes, 0.12f, 1500);
        }
        break;
    }
}

// The level climbs from section to section as the fight goes on.
float levelAt(float t) { return 0.72f + 0.1f * ramp(t, 5, 65) + 0.1f * ramp(t, 68, 72) + 0.08f * ramp(t, 172, 175); }

std::vector<float> Arranger::render() {
    for (int b = 0; b <= lastBar; b++)
        playBar(b);
    // The echo repeats after three sixteenths.
    return band.mix(3 * sixteenth, levelAt);
}

} // namespace

std::vector<float> makeTheme() { return Arranger().render(); }

} // namespace gen
