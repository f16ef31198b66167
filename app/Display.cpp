// The window and the two views.
#include "app/Display.hpp"

#include "app/Assets.hpp"
#include "app/GameContext.hpp"
#include "platform/MusicStream.hpp"
#include "platform/SfmlCompat.hpp"

#include <cmath>

void applyDisplaySettings(bool recreateWindow) {
    game::buttonSound.setVolume(float(game::audioVolume));
    game::musicSound.setVolume(float(game::musicVolume));
    // Stored even without a re-creation: it takes effect at the next one.
    compat::setAntialiasing(game::contextSettings, game::antialiasing ? 8 : 0);
    if (recreateWindow) {
        const sf::Vector2u size(unsigned(game::screenWidth), unsigned(game::screenHeight));
        compat::createWindow(game::window, size, game::fullscreen, "Vizovid", game::contextSettings);
        fitViewsToWindow(); // a new window starts with the library's default view
        // Every new native window needs the icon again; read once, and a missing file
        // leaves the desktop's default.
        static sf::Image icon;
        static const bool iconLoaded = icon.loadFromFile(assetPath("Assets/Icons/vizovid-64.png"));
        if (iconLoaded)
            compat::setIcon(game::window, icon);
    }
    game::window.setFramerateLimit(unsigned(game::maxFps));
    game::window.setVerticalSyncEnabled(game::vsync);
}

void setUpViews() {
    game::gameView.setCenter({game::arenaWidth * 0.5f, game::arenaHeight * 0.5f});
    game::gameView.setSize({game::arenaWidth, game::arenaHeight});
    game::hudView.setCenter({960, 540});
    game::hudView.setSize({1920, 1080});
    fitViewsToWindow();
}

sf::FloatRect letterboxViewport(sf::Vector2u windowSize) {
    const float w = float(windowSize.x), h = float(windowSize.y);
    if (w < 1 || h < 1)
        return sf::FloatRect({0, 0}, {1, 1});
    // Bars of whole pixels: a desktop within a pixel of 16:9, like 1366 x 768, keeps
    // the whole window rather than gain a one-pixel bar.
    const float sideBar = std::floor((w - h * 16 / 9) / 2);
    const float topBar = std::floor((h - w * 9 / 16) / 2);
    if (sideBar >= 1)
        return sf::FloatRect({sideBar / w, 0}, {(w - 2 * sideBar) / w, 1});
    if (topBar >= 1)
        return sf::FloatRect({0, topBar / h}, {1, (h - 2 * topBar) / h});
    return sf::FloatRect({0, 0}, {1, 1});
}

void fitViewsToWindow() {
    const sf::FloatRect picture = letterboxViewport(game::window.getSize());
    game::hudView.setViewport(picture);
    // The arena keeps its rectangle (10, 10)-(1900, 770) of the 1920 x 1080 picture.
    const sf::FloatRect arena({10 / 1920.0f, 10 / 1080.0f}, {1890 / 1920.0f, 760 / 1080.0f});
    const sf::Vector2f corner(compat::left(picture) + compat::left(arena) * compat::width(picture),
                              compat::top(picture) + compat::top(arena) * compat::height(picture));
    const sf::Vector2f size(compat::width(arena) * compat::width(picture),
                            compat::height(arena) * compat::height(picture));
    game::gameView.setViewport(sf::FloatRect(corner, size));
    // Buttons map the mouse through the window's current view before a screen sets
    // its own for the frame: the copy held there must have the new viewport too.
    game::window.setView(game::hudView);
}

void beginScreenPicture() {
    game::window.clear(backgroundColour);
    game::window.setView(game::hudView);
}
