#include "support/TestScreen.hpp"

#include "app/Display.hpp"
#include "app/GameContext.hpp"

#include <vector>

void openTestScreen() {
    if (game::window.isOpen())
        return;
    game::screenWidth = 1920;
    game::screenHeight = 1080;
    applyDisplaySettings(true);
    setUpViews();
    game::window.setView(game::hudView);
}

sf::SoundBuffer silence(float seconds) {
    const unsigned rate = 44100;
    const std::vector<sf::Int16> samples(std::size_t(seconds * rate), 0);
    sf::SoundBuffer buffer;
    buffer.loadFromSamples(samples.data(), samples.size(), 1, rate);
    return buffer;
}
