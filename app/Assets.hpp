// Loads every font, texture, sound and the shader from "Assets/", and sets up the
// drawables and walls that never change. A file that fails to load leaves its asset
// empty; the game goes on without it.
#pragma once

void loadAssets();
