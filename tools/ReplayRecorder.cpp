// Records a replay with the game's own run loop and a simple dodging player:
//   replay_recorder DIFFICULTY SECONDS SEED FILE [--rough]
// From the repository root (the real textures decide the hits). The player steers
// away from what is near; the run is left through the pause after SECONDS, or
// ends by death or, in the boss fight, victory. The clock is scripted: a frame
// lasts 1/120 s, so a recording repeats exactly. --rough records what a real
// machine does besides: frames of uneven length, some beyond the cap, a first frame
// time that is not 0, a stretch without the focus, and a pad lost mid-run, which
// opens the pause menu until the pad is back and its Start pressed.
#include "app/Assets.hpp"
#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "persistence/DurableFile.hpp"
#include "platform/SfmlCompat.hpp"
#include "replay/Replay.hpp"
#include "run/Geometry.hpp"
#include "run/Practice.hpp"
#include "run/RunLoop.hpp"
#include "run/RunSetup.hpp"

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace {

sf::Vector2f centre(const sf::FloatRect& r) {
    return {compat::left(r) + compat::width(r) / 2, compat::top(r) + compat::height(r) / 2};
}

bool overlaps(const sf::FloatRect& a, const sf::FloatRect& b, float margin) {
    return compat::left(a) - margin < compat::left(b) + compat::width(b)
        && compat::left(b) < compat::left(a) + compat::width(a) + margin
        && compat::top(a) - margin < compat::top(b) + compat::height(b)
        && compat::top(b) < compat::top(a) + compat::height(a) + margin;
}

// Where a shot will be after t seconds, flying straight on.
template <typename Shot>
sf::Vector2f ahead(const Shot& shot, float t) {
    const float radians = shot.angle * degreesToRadians;
    return centre(shot.bounds) + sf::Vector2f(std::cos(radians), std::sin(radians)) * (shot.speed * t);
}

// How dangerous it is for the player to be at p after t seconds: shots that will
// be near, a bomb's square, a beam's line, and the walls.
template <typename Shot>
float shotDanger(const std::vector<Shot>& shots, sf::Vector2f p, float t) {
    float danger = 0;
    for (const Shot& shot : shots) {
        if (!shot.alive)
            continue;
        const sf::Vector2f d = ahead(shot, t) - p;
        const float distance2 = d.x * d.x + d.y * d.y;
        if (distance2 < 160 * 160)
            danger += 1e5f / (distance2 + 100);
    }
    return danger;
}

float danger(sf::Vector2f p, float t) {
    const sf::FloatRect body({p.x - 40, p.y - 40}, {80, 80});
    float total = shotDanger(game::bullets, p, t) + shotDanger(game::homingProjectiles, p, t)
                  + shotDanger(game::bossBullets, p, t) + shotDanger(game::pushwaves, p, t);
    for (const Bomb& bomb : game::bombs)
        if (bomb.damage != 0 && overlaps(body, bomb.bounds, 30))
            total += 2000;
    for (const Laser& laser : game::lasers)
        if (overlaps(body, laser.bounds, 30))
            total += 3000;
    const float edge = std::min({p.x, p.y, game::arenaWidth - p.x, game::arenaHeight - p.y});
    total += edge < 200 ? (200 - edge) * 2 : 0;
    return total;
}

// The keys of the safest of the nine ways to go, judged over the next third of a
// second.
std::vector<sf::Keyboard::Key> chooseKeys() {
    const sf::Keyboard::Key across[] = {sf::Keyboard::Key::A, sf::Keyboard::Key::Unknown, sf::Keyboard::Key::D};
    const sf::Keyboard::Key upDown[] = {sf::Keyboard::Key::W, sf::Keyboard::Key::Unknown, sf::Keyboard::Key::S};
    const sf::Vector2f at = game::playerPosition;
    float best = 1e30f;
    int bestX = 0, bestY = 0;
    for (int dx = -1; dx <= 1; dx++)
        for (int dy = -1; dy <= 1; dy++) {
            float risk = 0;
            for (float t : {0.05f, 0.1f, 0.2f, 0.33f}) {
                const float reach = game::playerMaxSpeed * t;
                risk += danger(at + sf::Vector2f(float(dx) * reach, float(dy) * reach), t);
            }
            if (dx == 0 && dy == 0)
                risk *= 0.95f; // standing still wins a tie
            if (risk < best) {
                best = risk;
                bestX = dx;
                bestY = dy;
            }
        }
    std::vector<sf::Keyboard::Key> held;
    if (bestX != 0)
        held.push_back(across[bestX + 1]);
    if (bestY != 0)
        held.push_back(upDown[bestY + 1]);
    return held;
}

bool rough = false;

// What a rough machine does around run frame f: its step, the focus, the pad.
constexpr std::size_t focusLostFrom = 600, focusBackAt = 780, padLostAt = 1500;
sf::Time roughStep(std::size_t f) {
    if (f % 97 == 13)
        return sf::microseconds(40000); // a hitch: the run caps it at 1/60 s
    return sf::microseconds(3000 + std::int64_t(f * 2654435761u % 9000));
}

void roughen(input::Script& script, std::size_t f) {
    script.frameStep = roughStep(f);
    script.focus = f < focusLostFrom || f >= focusBackAt;
    script.pad.connected = f != padLostAt; // back in the pause menu it opens
}

// In the pause menu that the lost pad opened: the pad comes back, then its Start
// continues the run.
void pressStartOnceBack(input::Script& script, int& menuFrames) {
    if (++menuFrames == 20)
        script.pad.connected = true;
    if (menuFrames == 30)
        script.pad.buttons = {input::pad::Start};
}

// Plays a fresh run from the plan, one set of keys a frame; past the plan's end the
// dodging player chooses, and its choices join the plan. Stops at the end of the
// run or after the seconds. Returns the frames played.
std::size_t attempt(input::Script& script, std::vector<std::vector<sf::Keyboard::Key>>& plan, float seconds) {
    resetRun();
    game::frameTime = rough ? 0.0123f : 0;
    if (rough)
        roughen(script, 0);
    input::endFrame(); // the pad, if any, is seen connected before the run
    replay::record();
    startRun();
    game::runActive = true;
    // As if a screen had just ended a frame: the first run frame lasts one step.
    game::frameClock.restart();
    input::endFrame();
    std::size_t frame = 0;
    while (game::runActive && game::player.runTime < seconds) {
        if (frame == plan.size())
            plan.push_back(chooseKeys());
        script.keys = plan[frame];
        if (rough)
            roughen(script, frame);
        int menuFrames = 0;
        script.onFrameEnd = [&] {
            if (rough && frame == padLostAt)
                pressStartOnceBack(script, menuFrames);
        };
        updateRunFrame();
        script.pad.buttons.clear();
        frame++;
    }
    script.onFrameEnd = nullptr;
    return frame;
}

} // namespace

int main(int argc, char** argv) {
    rough = argc == 6 && std::string(argv[5]) == "--rough";
    const bool practised = argc == 7 && std::string(argv[5]) == "--practice";
    if (argc != 5 && !rough && !practised) {
        std::cerr << "usage: replay_recorder DIFFICULTY SECONDS SEED FILE [--rough | --practice ATTACK]\n";
        return 2;
    }
    const float seconds = float(std::atof(argv[2]));
    if (rough) {
        applyDisplaySettings(true); // the pause menu draws over the window
        setUpViews();
    }
    loadAssets();
    input::Script script;
    script.frameStep = sf::microseconds(8333);
    script.calendarTime = std::time_t(std::atoll(argv[3]));
    input::useScript(&script);
    game::difficulty = std::atoi(argv[1]);
    game::practiceAttack = practised ? std::atoi(argv[6]) : 0;

    // A death sends the player back along the furthest run so far, to try a couple
    // of seconds of other ways there: further back the longer no try got further.
    std::vector<std::vector<sf::Keyboard::Key>> plan;
    std::size_t furthest = attempt(script, plan, seconds);
    std::vector<std::vector<sf::Keyboard::Key>> furthestPlan = plan;
    std::mt19937 choices(1);
    std::size_t stuck = 0;
    for (int tries = 0; !game::runActive && !game::bossBeaten && !practice::attackSurvived() && tries < 20000; tries++) {
        const std::size_t back = std::min<std::size_t>(furthest, 120 + 60 * (stuck % 40));
        plan.assign(furthestPlan.begin(), furthestPlan.begin() + std::ptrdiff_t(furthest - back));
        std::uint32_t way = 4; // one of nine: 3 x across + up-down, 4 standing
        for (std::size_t f = 0; f < 240; f++) {
            if (f % 30 == 0)
                way = choices() % 9;
            std::vector<sf::Keyboard::Key> keys;
            if (way % 3 != 1)
                keys.push_back(way % 3 == 0 ? sf::Keyboard::Key::A : sf::Keyboard::Key::D);
            if (way / 3 != 1)
                keys.push_back(way / 3 == 0 ? sf::Keyboard::Key::W : sf::Keyboard::Key::S);
            plan.push_back(keys);
        }
        const std::size_t played = attempt(script, plan, seconds);
        stuck++;
        if (played > furthest) {
            furthest = played;
            furthestPlan = plan;
            stuck = 0;
        }
        if (tries % 100 == 99)
            std::cerr << tries + 1 << " tries, the furthest " << furthest << " frames\n";
    }
    const Replay run = replay::finish();
    std::cout << argv[4] << ": " << run.steps.size() << " frames, " << run.runTime() << " s, health "
              << game::player.health << ", ending " << int(run.ending) << '\n';
    const bool written = writeDurably(argv[4], encodeReplay(run));
    resetRun();
    return written ? 0 : 1;
}
