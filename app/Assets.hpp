// Loads every font, texture, sound and the shader from the catalogue's "Assets/",
// and sets up the drawables and walls that never change. A file that fails to load
// leaves its asset empty; the game goes on without it.
#pragma once

#include <string>

// A catalogue path ("Assets/...") under the folder where Assets/ was found.
std::string assetPath(const std::string& catalogued);

void loadAssets();
