// The seven display and audio settings: members of the game context that the save
// file carries beside its record. Kept in a file of their own so that the save
// file's code needs nothing else of the context.
#pragma once

#include <cstdint>

namespace game {

extern bool antialiasing;        // window made with antialiasing level 8, else 0
extern std::int32_t maxFps;      // frame-rate limit; 0 means none
extern bool vsync;               // vertical synchronisation
extern bool showFps;             // the "FPS: " counter is drawn during runs
extern bool fullscreen;          // fullscreen instead of a titled, resizable, closable window
extern std::int32_t audioVolume; // 0..100: the button sound and every sound effect
extern std::int32_t musicVolume; // 0..100: the boss theme

} // namespace game
