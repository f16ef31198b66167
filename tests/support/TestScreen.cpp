#include "support/TestScreen.hpp"

#include "platform/SfmlCompat.hpp"
#include "support/ScreenDriver.hpp"

#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/GameContext.hpp"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <tuple>
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

void loadGameAssets() {
    [[maybe_unused]] static const bool loaded = (loadAssets(), true);
}

sf::SoundBuffer silence(float seconds) {
    const unsigned rate = 44100;
    const std::vector<std::int16_t> samples(std::size_t(seconds * rate), 0);
    sf::SoundBuffer buffer;
    (void)compat::loadSamples(buffer, samples.data(), samples.size(), 1, rate);
    return buffer;
}

sf::Image captureWindow() {
    sf::Texture shot;
    (void)compat::resize(shot, game::window.getSize());
    shot.update(game::window);
    return shot.copyToImage();
}

bool windowShows(sf::Color colour, sf::IntRect area) {
    const sf::Image image = captureWindow();
    const auto near = [](int a, int b) { return std::abs(a - b) < 40; };
    for (int y = compat::top(area); y < compat::top(area) + compat::height(area); y++)
        for (int x = compat::left(area); x < compat::left(area) + compat::width(area); x++) {
            const sf::Color c = compat::pixel(image, unsigned(x), unsigned(y));
            if (near(c.r, colour.r) && near(c.g, colour.g) && near(c.b, colour.b))
                return true;
        }
    return false;
}

namespace {

template <typename... Values>
std::function<void()> keep(Values&... values) {
    return [&values..., copies = std::make_tuple(values...)] {
        std::tie(values...) = copies;
        applyDisplaySettings(false);
    };
}

} // namespace

KeptGameState::KeptGameState()
    : putBack(keep(game::appRunning, game::runActive, game::showMainMenu, game::showDeathScreen, game::difficulty,
                   game::practiceAttack, game::vsync, game::fullscreen, game::antialiasing, game::maxFps,
                   game::audioVolume, game::musicVolume, game::saveData.playerColor, game::saveData.rgbSkinUnlocked,
                   game::saveData.rgbSkinEnabled, game::saveData.bossFightUnlocked)) {}

KeptGameState::~KeptGameState() {
    putBack();
    std::error_code ignored;
    std::filesystem::remove_all("Data/replays", ignored);
}

std::vector<Frame> framesOf(std::initializer_list<std::pair<Frame, int>> parts) {
    std::vector<Frame> frames;
    for (const auto& [frame, count] : parts)
        frames.insert(frames.end(), std::size_t(count), frame);
    return frames;
}

int ScreenDriver::runScreen(void (*screen)(), const std::vector<Frame>& frames, std::function<void(int)> afterFrame) {
    const int start = script.framesEnded;
    maxFrames = start + int(frames.size()) + 5;
    step = [&, start](int ended) {
        const int done = ended - start;
        if (afterFrame)
            afterFrame(done);
        show(done < int(frames.size()) ? frames[done] : idle);
    };
    input::useScript(&script); // a new opening: no press of the script has been seen yet
    show(frames.empty() ? idle : frames[0]);
    game::frameClock.restart(); // the first frame then lasts no time at all
    screen();
    step = nullptr;
    // The frame that leaves does not reach the event pump.
    return script.framesEnded - start + 1;
}
