// What one frame of a busy run costs: a HELL run with all fourteen sentries up and
// their upgrades piling on, and the boss fight's bounce waves (nearly 600 balls),
// the player kept alive, every frame stepping 1/60 s. Prints the median and the
// 99th percentile of the update and of the drawing, and how many projectiles flew. Not a test: run it from the repository root
// under the display you care about (Xvfb gives Mesa's software renderer):
//   xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" build/bench/run_frame_benchmark
#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> samples, double p) {
    std::sort(samples.begin(), samples.end());
    return samples[std::size_t(p * double(samples.size() - 1))];
}

// Plays a run of the difficulty for warmUp seconds, then measures `seconds` more.
void measure(const char* what, int difficulty, int warmUp, int seconds) {
    std::srand(7);
    game::difficulty = difficulty;
    startRun();
    game::runActive = true;
    std::vector<double> update, draw;
    std::size_t mostShots = 0;
    for (int frame = 0; frame < (warmUp + seconds) * 60; frame++) {
        game::player.health = 1000;
        const Clock::time_point start = Clock::now();
        updateRunFrame();
        const double updated = millisecondsSince(start);
        if (frame >= warmUp * 60) {
            const Clock::time_point drawing = Clock::now();
            drawRunFrame();
            draw.push_back(millisecondsSince(drawing));
            update.push_back(updated);
            mostShots = std::max(mostShots, game::bullets.size() + game::homingProjectiles.size() + game::bombs.size()
                                                + game::pushwaves.size() + game::bossBullets.size()
                                                + game::lasers.size());
        }
    }
    resetRun();
    std::printf("%s, %zu projectiles at most:\n", what, mostShots);
    std::printf("  update  median %.3f ms, 99th percentile %.3f ms\n", percentile(update, 0.5), percentile(update, 0.99));
    std::printf("  drawing median %.3f ms, 99th percentile %.3f ms\n", percentile(draw, 0.5), percentile(draw, 0.99));
}

} // namespace

int main() {
    game::screenWidth = 1920;
    game::screenHeight = 1080;
    game::vsync = false;
    game::maxFps = 0;
    applyDisplaySettings(true);
    setUpViews();
    loadAssets();

    input::Script script; // frames of exactly 1/60 s, the player standing still
    input::useScript(&script);
    measure("HELL run, minute 3 to 4", 3, 3 * 60, 60);
    measure("Zev Azirid, bounce waves, 70 s to 120 s", 4, 70, 50);
    input::useScript(nullptr);
    return 0;
}
