// vizovid_assets: draws every texture and icon, synthesises every sound and the boss
// theme, and writes them into an asset tree. The same program gives the same PNG and
// WAV bytes on every run: all randomness comes from fixed seeds.
//
//   vizovid_assets [--out DIR] [--no-music]   generate (default DIR: Assets)
//   vizovid_assets --preview DIR [--assets DIR] picture the assets in game-like scenes
//
// The theme goes through a temporary WAV file and `lame`, which must be installed;
// --no-music skips it (it takes a while).
#include "Art.hpp"
#include "Effects.hpp"
#include "Preview.hpp"
#include "Synth.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace gen {

std::vector<Artwork> allArtwork() {
    return {
        {"Textures/infoBar.png", drawInfoBar},
        {"Textures/healthBarOutline.png", drawHealthBarOutline},
        {"Textures/healthBar.png", drawHealthBar},
        {"Textures/heart.png", drawHeart},
        {"Textures/TitleLogo.png", drawTitleLogo},
        {"Textures/player.png", drawPlayer},
        {"Textures/bulletSentry.png", drawBulletSentry},
        {"Textures/bullet.png", drawBullet},
        {"Textures/bombSentry.png", drawBombSentry},
        {"Textures/bomb.png", drawBomb},
        {"Textures/homingSentry.png", drawHomingSentry},
        {"Textures/homing.png", drawHoming},
        {"Textures/pushwaveSentry.png", drawPushwaveSentry},
        {"Textures/pushwave.png", drawPushwave},
        {"Textures/dieSentry.png", drawDieSentry},
        {"Textures/bossBullet.png", drawBossBullet},
        {"Textures/bossBlade.png", drawBossBlade},
        {"Textures/bossHoming.png", drawBossHoming},
        {"Textures/laser.png", drawLaser},
        {"Textures/laserAlarm.png", drawLaserAlarm},
        {"Textures/laserSentry.png", drawLaserSentry},
        {"Icons/vizovid-256.png", drawIcon256},
        {"Icons/vizovid-64.png", drawIcon64},
    };
}

} // namespace gen

namespace {

bool prepare(const fs::path& file) {
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    return !error;
}

bool writeTextures(const fs::path& out) {
    bool ok = true;
    for (const gen::Artwork& art : gen::allArtwork()) {
        const fs::path file = out / art.path;
        const bool written = prepare(file) && art.draw().saveToFile(file.string());
        std::printf("%s %s\n", written ? "wrote" : "could not write", file.string().c_str());
        ok = ok && written;
    }
    return ok;
}

bool writeEffects(const fs::path& out) {
    bool ok = true;
    for (const gen::Effect& effect : gen::allEffects()) {
        const fs::path file = out / effect.path;
        const bool written = prepare(file) && gen::writeWav(file.string(), gen::toPcm(effect.make(), effect.peak), 1);
        std::printf("%s %s\n", written ? "wrote" : "could not write", file.string().c_str());
        ok = ok && written;
    }
    return ok;
}

bool writeTheme(const fs::path& out) {
    const fs::path mp3 = out / "Music" / "dieSentryTheme.mp3";
    const fs::path wav = out / "Music" / "dieSentryTheme.tmp.wav";
    if (!prepare(mp3) || !gen::writeWav(wav.string(), gen::toPcm(gen::makeTheme(), 0.89f), 2)) {
        std::printf("could not write %s\n", wav.string().c_str());
        return false;
    }
    const std::string command = "lame --quiet --noreplaygain -b 128 \"" + wav.string() + "\" \"" + mp3.string() + "\"";
    const bool encoded = std::system(command.c_str()) == 0;
    fs::remove(wav);
    std::printf("%s %s\n", encoded ? "wrote" : "could not encode (is lame installed?)", mp3.string().c_str());
    return encoded;
}

int usage() {
    std::fprintf(stderr, "usage: vizovid_assets [--out DIR] [--no-music]\n"
                         "       vizovid_assets --preview DIR [--assets DIR]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string out = "Assets", assets = "Assets", preview;
    bool music = true;
    for (int i = 1; i < argc; i++) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--out") && hasValue)
            out = argv[++i];
        else if (!std::strcmp(argv[i], "--assets") && hasValue)
            assets = argv[++i];
        else if (!std::strcmp(argv[i], "--preview") && hasValue)
            preview = argv[++i];
        else if (!std::strcmp(argv[i], "--no-music"))
            music = false;
        else
            return usage();
    }
    if (!preview.empty()) {
        std::error_code error;
        fs::create_directories(preview, error);
        return gen::renderPreviews(assets, preview) ? 0 : 1;
    }
    bool ok = writeTextures(out);
    ok = writeEffects(out) && ok;
    if (music)
        ok = writeTheme(out) && ok;
    return ok ? 0 : 1;
}
