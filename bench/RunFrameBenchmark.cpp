// What the busiest moments of the game cost, every run frame stepping 1/60 s with
// the player kept alive: a HELL run at minute 3 and at minute 20 (all fourteen
// sentries up, every upgrade of twenty minutes piled on), the boss's bounce waves
// (nearly 600 balls), its attack-4 blade spirals fired back to back (the densest
// they get), and the opening of the pause menu and the death screen (snapshot,
// blur and first frame). Prints medians and 99th percentiles, and the share of the
// frame budget at 240 frames a second that each takes. Not a test: run it from the
// repository root under the display you care about (Xvfb gives Mesa's software
// renderer):
//   xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" build/bench/run_frame_benchmark
#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "app/Input.hpp"
#include "boss/BossAttacks.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"
#include "screens/DeathScreen.hpp"
#include "screens/PauseMenu.hpp"
#include "ui/Blur.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double frameBudget = 1000.0 / 240; // milliseconds of one frame at 240 frames a second

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> samples, double p) {
    std::sort(samples.begin(), samples.end());
    return samples[std::size_t(p * double(samples.size() - 1))];
}

void report(const char* what, const std::vector<double>& samples) {
    const double median = percentile(samples, 0.5), worst = percentile(samples, 0.99);
    std::printf("  %-9s median %7.3f ms (%5.1f%% of the budget), 99th percentile %7.3f ms (%5.1f%%)\n", what, median,
                100 * median / frameBudget, worst, 100 * worst / frameBudget);
}

std::size_t projectilesInFlight() {
    return game::bullets.size() + game::homingProjectiles.size() + game::bombs.size() + game::pushwaves.size()
           + game::bossBullets.size() + game::lasers.size();
}

// Plays a run of the difficulty for warmUp seconds (updates only), then measures
// `seconds` more, updating and drawing; beforeFrame may steer the run each frame.
// The run is left standing, so that an overlay screen can open over its last frame.
void measure(const char* what, int difficulty, int warmUp, int seconds, const std::function<void()>& beforeFrame = {}) {
    std::srand(7);
    game::difficulty = difficulty;
    resetRun(); // the run before was left standing
    startRun();
    game::runActive = true;
    std::vector<double> update, draw;
    std::size_t mostShots = 0;
    for (int frame = 0; frame < (warmUp + seconds) * 60; frame++) {
        game::player.health = 1000;
        if (beforeFrame)
            beforeFrame();
        const Clock::time_point start = Clock::now();
        updateRunFrame();
        const double updated = millisecondsSince(start);
        if (frame >= warmUp * 60) {
            const Clock::time_point drawing = Clock::now();
            drawRunFrame();
            draw.push_back(millisecondsSince(drawing));
            update.push_back(updated);
            mostShots = std::max(mostShots, projectilesInFlight());
        }
    }
    std::printf("%s, %zu projectiles at most, %d director events (spawns and upgrades) so far:\n", what, mostShots,
                int(game::director.eventCount));
    report("update", update);
    report("drawing", draw);
}

// Keeps the Zev Azirid in attack 4 firing blade spirals from where it stands, each
// spiral starting as the last ends.
void bladeSpiralsBackToBack() {
    DieSentry& boss = game::dieSentries.at(0);
    if (boss.attack != 4) {
        boss.attack = 4;
        applyAttack4Settings(boss);
    }
    boss.attackTimer = 0;
    boss.destination = boss.position;
    if (!boss.patternBusy) {
        boss.pattern = BossPattern::BladeSpiral;
        boss.patternBusy = true;
        boss.spiralLeft = boss.spiralCount;
        boss.spiralAngle = 0;
    }
}

// Opens the screen over the standing run's last frame, twenty times: the snapshot
// and the blur alone, then the whole opening up to the end of the screen's first
// frame, after which the button at (x, y) closes it.
void measureOpening(const char* what, void (*screen)(), int x, int y, input::Script& script) {
    std::vector<double> snapshot, blur, opening;
    for (int run = 0; run < 20; run++) {
        Clock::time_point start = Clock::now();
        const sf::Texture shot = windowSnapshot();
        snapshot.push_back(millisecondsSince(start));
        start = Clock::now();
        const sf::Texture blurred = blurTexture(shot);
        blur.push_back(millisecondsSince(start));

        script.framesEnded = 0;
        script.leftButton = false;
        script.onFrameEnd = [&] {
            if (script.framesEnded == 1) {
                opening.push_back(millisecondsSince(start));
                script.mouse = sf::Vector2i(x, y);
                script.leftButton = true;
            }
        };
        drawRunFrame();
        start = Clock::now();
        screen();
        script.onFrameEnd = nullptr;
    }
    std::printf("%s at 1920 x 1080:\n", what);
    report("snapshot", snapshot);
    report("blur", blur);
    report("opening", opening);
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
    measure("Zev Azirid, attack-4 blade spirals back to back, 4 s to 14 s", 4, 4, 10, bladeSpiralsBackToBack);
    measure("HELL run, minute 20 to 21", 3, 20 * 60, 60);
    measureOpening("Opening the pause menu over minute 21 of HELL", pauseMenu, 960, 440, script);
    measureOpening("Opening the death screen over minute 21 of HELL", deathScreen, 960, 590, script);
    resetRun();
    input::useScript(nullptr);
    return 0;
}
