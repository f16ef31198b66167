// The sound effects and the boss theme.
#pragma once

#include <string>
#include <vector>

namespace gen {

// One effect: its file under the Assets folder, its loudness and its synthesis.
struct Effect {
    std::string path;
    float peak; // of full scale: frequent sounds are kept quieter
    std::vector<float> (*make)();
};

// The six effects, in a fixed order.
std::vector<Effect> allEffects();

// The Zev Azirid's theme, stereo interleaved at 44100 Hz, about 231 s.
std::vector<float> makeTheme();

} // namespace gen
