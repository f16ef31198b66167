// The window and the two views.
#include "app/Display.hpp"

#include "app/Assets.hpp"
#include "app/GameContext.hpp"

void applyDisplaySettings(bool recreateWindow) {
    game::buttonSound.setVolume(float(game::audioVolume));
    game::musicSound.setVolume(float(game::musicVolume));
    // Stored even without a re-creation: it takes effect at the next one.
    game::contextSettings.antialiasingLevel = game::antialiasing ? 8 : 0;
    if (recreateWindow) {
        const sf::VideoMode mode(unsigned(game::screenWidth), unsigned(game::screenHeight), 32);
        const sf::Uint32 style = game::fullscreen
                                     ? sf::Uint32(sf::Style::Fullscreen)
                                     : sf::Uint32(sf::Style::Titlebar | sf::Style::Resize | sf::Style::Close);
        game::window.create(mode, std::string("Vizovid"), style, game::contextSettings);
        // Every new native window needs the icon again; read once, and a missing file
        // leaves the desktop's default.
        static sf::Image icon;
        static const bool iconLoaded = icon.loadFromFile(assetPath("Assets/Icons/vizovid-64.png"));
        if (iconLoaded)
            game::window.setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
    }
    game::window.setFramerateLimit(unsigned(game::maxFps));
    game::window.setVerticalSyncEnabled(game::vsync);
}

void setUpViews() {
    game::gameView.setCenter(game::arenaWidth * 0.5f, game::arenaHeight * 0.5f);
    game::gameView.setSize(game::arenaWidth, game::arenaHeight);
    game::gameView.setViewport(sf::FloatRect(0.0052083335f, 0.009259259f, 0.984375f, 0.7037037f));

    game::hudView.setCenter(960, 540);
    game::hudView.setSize(1920, 1080);
    game::hudView.setViewport(sf::FloatRect(0, 0, 1, 1));
}
