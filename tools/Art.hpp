// Every picture the generator draws, and the palette they share.
//
// The look: neon tubes on the near-black arena (8, 8, 8). Sentries are dark bodies
// outlined in their kind's colour, so they read as solid machines; projectiles are
// bright filled shapes with a white-hot core, so they read as light. Each sentry kind
// keeps one colour for itself and for what it fires.
#pragma once

#include "Canvas.hpp"

#include <SFML/Graphics/Image.hpp>

#include <string>
#include <vector>

namespace gen {

namespace palette {
const Rgb white = rgb(255, 255, 255);
const Rgb hull = rgb(16, 16, 24);        // the dark body of every machine
const Rgb clockPink = rgb(250, 100, 150); // the HUD's accent, shared with the run clock
const Rgb bossRed = rgb(250, 30, 30);     // the arena frame in the boss fight
const Rgb bullet = rgb(255, 176, 48);     // bullet sentries: amber
const Rgb homing = rgb(170, 96, 255);     // homing sentries: violet
const Rgb bomb = rgb(255, 58, 58);        // bomb sentries: red, with hazard yellow
const Rgb hazard = rgb(255, 206, 40);
const Rgb pushwave = rgb(40, 220, 255);   // pushwave sentries: cyan
const Rgb laser = rgb(80, 255, 130);      // laser sentries: green
const Rgb boss = rgb(255, 40, 110);       // the Zev Azirid: crimson to magenta
const Rgb bossGlow = rgb(255, 70, 200);
} // namespace palette

// One file of the asset tree and the function that draws it.
struct Artwork {
    std::string path; // relative to the Assets folder
    sf::Image (*draw)();
};

// The textures of the catalogue plus the application icons, in a fixed order.
std::vector<Artwork> allArtwork();

// HUD, title, player and icons.
sf::Image drawInfoBar();
sf::Image drawHealthBarOutline();
sf::Image drawHealthBar();
sf::Image drawHeart();
sf::Image drawTitleLogo();
sf::Image drawPlayer();
sf::Image drawIcon256();
sf::Image drawIcon64();

// The sentries of a run and the laser sentry.
sf::Image drawBulletSentry();
sf::Image drawHomingSentry();
sf::Image drawBombSentry();
sf::Image drawPushwaveSentry();
sf::Image drawLaserSentry();

// Projectiles of the sentries.
sf::Image drawBullet();
sf::Image drawHoming();
sf::Image drawBomb();
sf::Image drawPushwave();
sf::Image drawLaser();
sf::Image drawLaserAlarm();

// The Zev Azirid and its projectiles.
sf::Image drawDieSentry();
sf::Image drawBossBullet();
sf::Image drawBossBlade();
sf::Image drawBossHoming();

// The dark, neon-outlined body that every machine is built on.
template <class Sdf> void machineBody(Canvas& canvas, Sdf shape, Rgb colour, float tube = 2.2f) {
    glow(canvas, shape, colour, 0.30f, 4.5f);
    fill(canvas, shape, mix(palette::hull, colour, 0.10f));
    neon(canvas, [&](Vec p) { return std::fabs(shape(p)); }, Neon{colour, tube, 0.0f, 1.0f, 0.4f, 0.6f});
}

} // namespace gen
