// The settings with the values of a first start.
#include "app/Settings.hpp"

namespace game {

bool antialiasing = false;
std::int32_t maxFps = 240;
bool vsync = true;
bool showFps = false;
bool fullscreen = false;
std::int32_t audioVolume = 50;
std::int32_t musicVolume = 50;

} // namespace game
