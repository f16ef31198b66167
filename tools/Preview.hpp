// Pictures of the assets in game-like scenes, for looking at the art.
#pragma once

#include <string>

namespace gen {

// Draws the scenes from the asset tree `assets` into PNG files in the folder `out`
// (arena.png, boss.png, menu.png, sheet.png). Needs an X display.
bool renderPreviews(const std::string& assets, const std::string& out);

} // namespace gen
