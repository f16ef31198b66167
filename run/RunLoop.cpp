// The frame loop of a run. The order of the steps is the game: a push made by a
// pushwave late in one frame stops the keyboard step early in the next; a shot
// fired by a sentry moves once before it is first drawn.
#include "run/RunLoop.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "boss/BounceBall.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/SaveData.hpp"
#include "replay/Replay.hpp"
#include "run/Hud.hpp"
#include "run/PauseCheck.hpp"
#include "run/Player.hpp"
#include "run/Practice.hpp"
#include "sentries/BombSentry.hpp"
#include "sentries/BulletSentry.hpp"
#include "sentries/HomingSentry.hpp"
#include "sentries/LaserSentry.hpp"
#include "sentries/PushwaveSentry.hpp"
#include "sentries/SentryDirector.hpp"

#include <algorithm>
#include <string>

namespace {

void countFrameForFps() {
    game::framesCounted++;
    if (game::fpsClock.getElapsedTime().asSeconds() >= 1.0f) {
        game::fps = float(game::framesCounted) / game::fpsClock.restart().asSeconds();
        game::framesCounted = 0;
        game::fpsText.setString("FPS: " + std::to_string(int(game::fps)));
    }
}

// The boss fight's red backdrop climbs to 80, holds half a second, fades to 40 at a
// quarter of the speed, jumps to 60 and climbs again. The director has no events in
// the fight, so its event timer serves as the pulse's clock.
void pulseBossBackdrop() {
    SentryDirector& d = game::director;
    bool stepUp = false, stepDown = false;
    if (d.backdropAlpha <= 40) {
        if (!d.backdropRising) {
            d.backdropAlpha = 60;
            d.backdropRising = true;
        }
        stepUp = true;
    } else if (d.backdropAlpha <= 79) {
        stepUp = d.backdropRising;
        stepDown = !d.backdropRising;
    } else if (d.backdropRising) {
        d.backdropRising = false;
        d.eventTimer = -0.5f;
    } else {
        stepDown = true;
    }
    if ((stepUp || stepDown) && d.eventTimer > 0.02f) {
        d.eventTimer -= 0.02f;
        d.backdropAlpha = std::uint8_t(stepUp ? d.backdropAlpha + 4 : d.backdropAlpha - 1);
    }
    game::bossBackdrop.setFillColor(sf::Color(200, 0, 0, d.backdropAlpha));
}

template <typename Record>
void updateEach(std::vector<Record>& records, void (*update)(Record&)) {
    for (std::size_t i = 0; i < records.size(); i++)
        update(records[i]);
}

template <typename Projectile>
void updateAlive(std::vector<Projectile>& projectiles) {
    for (std::size_t i = 0; i < projectiles.size(); i++)
        if (projectiles[i].alive)
            projectiles[i].update();
}

template <typename Projectile>
void removeDead(std::vector<Projectile>& projectiles) {
    projectiles.erase(std::remove_if(projectiles.begin(), projectiles.end(),
                                     [](const Projectile& p) { return !p.alive; }),
                      projectiles.end());
}

// A wave goes whole as soon as any of its segments dies.
void removeDeadWaves() {
    // Few waves fly at once: a short list of ids beats a hash set, and it is only
    // built in the rare frame in which a segment died.
    std::vector<std::int32_t> deadWaves;
    for (const Pushwave& segment : game::pushwaves)
        if (!segment.alive && std::find(deadWaves.begin(), deadWaves.end(), segment.waveId) == deadWaves.end())
            deadWaves.push_back(segment.waveId);
    if (deadWaves.empty())
        return;
    auto dead = [&deadWaves](const Pushwave& segment) {
        return std::find(deadWaves.begin(), deadWaves.end(), segment.waveId) != deadWaves.end();
    };
    game::pushwaves.erase(std::remove_if(game::pushwaves.begin(), game::pushwaves.end(), dead),
                          game::pushwaves.end());
}

template <typename Drawable>
void drawAlive(const std::vector<Drawable>& objects) {
    for (const Drawable& object : objects)
        if (object.alive)
            game::window.draw(object.sprite);
}

template <typename Sentry>
void drawSentries(const std::vector<Sentry>& sentries) {
    for (const Sentry& sentry : sentries)
        game::window.draw(sentry.sprite);
}

} // namespace

void drawRunPicture() {
    game::window.clear(backgroundColour);
    game::window.setView(game::gameView);
    if (game::difficulty == game::BossFight)
        game::window.draw(game::bossBackdrop);
    game::window.draw(game::player.sprite);
    drawAlive(game::bullets);
    drawAlive(game::homingProjectiles);
    drawAlive(game::bombs);
    drawAlive(game::pushwaves);
    drawAlive(game::bossBullets);
    drawAlive(game::lasers);
    drawSentries(game::bulletSentries);
    drawSentries(game::homingSentries);
    drawSentries(game::bombSentries);
    drawSentries(game::pushwaveSentries);
    drawSentries(game::laserSentries);
    drawSentries(game::dieSentries);

    game::window.setView(game::hudView);
    game::hud.draw(game::window);
    game::window.draw(game::arenaFrame);
    if (game::showFps)
        game::window.draw(game::fpsText);
}

void drawRunFrame() {
    drawRunPicture();
    game::window.display();
}

void stepRunFrame() {
    if (game::showFps)
        countFrameForFps();

    // The statistics count real time; the game never steps more than 1/60 s, so
    // below 60 frames a second everything, the run clock too, runs slow.
    const float elapsed = replay::frameStep(game::frameClock.restart()).asSeconds();
    if (game::difficulty == game::BossFight)
        game::saveData.timeSpentDodgingDieSentry += elapsed;
    else
        game::saveData.timeSpentDodging += elapsed;
    game::frameTime = std::min(elapsed, game::maxFrameTime);

    // The pause menu, and the settings screen it may open, measure their own frames
    // in frameTime; the rest of this run frame keeps its own capped step.
    const float step = game::frameTime;
    checkPauseAndMove();
    game::frameTime = step;
    game::director.tick();
    if (game::difficulty == game::BossFight)
        pulseBossBackdrop();
    game::playerPushed = false;
    game::pushAppliedThisFrame = false;

    game::player.update();

    updateEach(game::bulletSentries, updateBulletSentry);
    updateEach(game::homingSentries, updateHomingSentry);
    updateEach(game::bombSentries, updateBombSentry);
    updateEach(game::pushwaveSentries, updatePushwaveSentry);
    for (std::size_t i = 0; i < game::dieSentries.size(); i++)
        game::dieSentries[i].update();
    practice::followRun();
    updateEach(game::laserSentries, updateLaserSentry);

    updateAlive(game::bullets);
    updateAlive(game::homingProjectiles);
    updateAlive(game::bombs);
    updateAlive(game::pushwaves);
    updateAlive(game::bossBullets);
    updateAlive(game::lasers);

    removeDead(game::bullets);
    removeDead(game::homingProjectiles);
    removeDead(game::bombs);
    removeDeadWaves();
    removeDead(game::bossBullets);
    removeDead(game::lasers);

    replay::endFrame();
}

void updateRunFrame() {
    stepRunFrame();
    pollWindowEvents();
}

void runLoop() {
    while (game::runActive) {
        updateRunFrame();
        drawRunFrame();
    }
}
