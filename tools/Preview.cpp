// Pictures of the assets as the game shows them, for a maintainer to look at after
// changing the art: a run with its HUD, a boss fight, the main menu and a contact
// sheet of every texture at the size it is drawn. Each scene places sprites with the
// origins, scales, texture rectangles and colours the game gives them. Needs an X
// display (Xvfb will do), because it draws through OpenGL.
#include "Preview.hpp"
#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>

namespace gen {

namespace {

constexpr float arenaWidth = 2256, arenaHeight = 900;

struct Scene {
    std::map<std::string, sf::Texture> textures;
    sf::Font arial, sourceSans;
    sf::RenderTexture target;
    sf::View hudView{sf::FloatRect({0, 0}, {1920, 1080})};
    sf::View gameView{sf::FloatRect({0, 0}, {arenaWidth, arenaHeight})};
    sf::Vector2f playerAt{1240, 520};

    const sf::Texture& tex(const std::string& name) { return textures[name]; }

    float aimAt(sf::Vector2f from, sf::Vector2f to) const {
        return float(std::atan2(to.y - from.y, to.x - from.x) * 180 / 3.14159);
    }

    // A turret on a slot, turned to the player: pivot 10 px behind the image centre.
    void turret(const std::string& name, sf::Vector2f at, float scale = 0.8f) {
        compat::Sprite s(tex(name));
        const auto size = sf::Vector2f(tex(name).getSize());
        s.setOrigin({size.x / 2 - 10, size.y / 2});
        s.setPosition(at);
        s.setScale({scale, scale});
        compat::setRotation(s, aimAt(at, playerAt));
        target.draw(s);
    }

    // A bullet-like projectile: origin at half its scaled size, turned to its heading.
    void shot(const std::string& name, sf::Vector2f at, float angle, float scale, sf::Color colour = sf::Color::White) {
        compat::Sprite s(tex(name));
        s.setScale({scale, scale});
        const auto bounds = s.getGlobalBounds();
        s.setOrigin({compat::width(bounds) / 2, compat::height(bounds) / 2});
        s.setPosition(at);
        compat::setRotation(s, angle);
        s.setColor(colour);
        target.draw(s);
    }

    // A bullet after `travelled` units: it reddens as it goes.
    void bullet(const std::string& name, sf::Vector2f at, float angle, float travelled) {
        const auto g = std::uint8_t(unsigned(255 - travelled / 10) % 256);
        shot(name, at, angle, 0.75f, sf::Color(255, g, g));
    }

    void bomb(sf::Vector2f centre, int frame, std::uint8_t alpha) {
        compat::Sprite s(tex("bomb"), sf::IntRect({300 * frame, 0}, {300, 300}));
        s.setScale({1.5f, 1.5f});
        s.setOrigin({225, 225});
        s.setPosition(centre + sf::Vector2f(112.5f, 112.5f));
        s.setColor(sf::Color(255, 255, 255, alpha));
        target.draw(s);
    }

    // The nine segments of one wave, fired from a sentry toward the player.
    void pushwave(sf::Vector2f sentry, float travelled) {
        const float a = aimAt(sentry, playerAt), r = a * 0.01745328f, side = (a + 90) * 0.01745328f;
        for (int k = -4; k <= 4; k++) {
            compat::Sprite s(tex("pushwave"), sf::IntRect({0, int((k + 4) * 22.22222222222222)}, {40, 40}));
            s.setOrigin({20, 20});
            sf::Vector2f p = sentry + float(k) * 22.222221f * sf::Vector2f(std::cos(side), std::sin(side));
            p += (30 + travelled) * sf::Vector2f(std::cos(r), std::sin(r));
            s.setPosition(p);
            compat::setRotation(s, a);
            target.draw(s);
        }
    }

    void laser(sf::Vector2f from, float angle, bool alarm, int length) {
        compat::Sprite s(tex(alarm ? "laserAlarm" : "laser"));
        s.setTextureRect(alarm ? sf::IntRect({0, 0}, {10000, 15}) : sf::IntRect({0, 0}, {length, 64}));
        s.setOrigin({0, compat::height(s.getGlobalBounds()) / 2});
        s.setPosition(from);
        compat::setRotation(s, angle);
        target.draw(s);
    }

    void centred(const std::string& name, sf::Vector2f at, float rotation = 0, sf::IntRect rect = {}) {
        compat::Sprite s(tex(name));
        if (compat::width(rect) > 0)
            s.setTextureRect(rect);
        const auto bounds = s.getLocalBounds();
        s.setOrigin({compat::width(bounds) / 2, compat::height(bounds) / 2});
        s.setPosition(at);
        compat::setRotation(s, rotation);
        target.draw(s);
    }

    void drawPlayer(sf::Color skin) {
        compat::Sprite s(tex("player"));
        const auto size = sf::Vector2f(tex("player").getSize());
        s.setOrigin(size / 2.0f);
        s.setScale({0.8f, 0.8f});
        s.setPosition(playerAt);
        s.setColor(skin);
        target.draw(s);
    }

    compat::Text text(const sf::Font& font, const std::string& string, unsigned size, sf::Color colour, bool bold) {
        compat::Text t(font, string, size);
        t.setFillColor(colour);
        t.setStyle(bold ? sf::Text::Bold : sf::Text::Regular);
        return t;
    }

    // The HUD under the arena and the frame around it.
    void hud(sf::Color frameColour, const std::string& messages, float health) {
        target.setView(hudView);
        compat::Text feed = text(arial, messages, 21, sf::Color::White, false);
        feed.setPosition({20, 817});
        target.draw(feed);
        const auto place = [&](const std::string& name, float x, float y, sf::IntRect rect = {}) {
            compat::Sprite s(tex(name));
            if (compat::width(rect) > 0)
                s.setTextureRect(rect);
            s.setPosition({x, y});
            target.draw(s);
        };
        place("infoBar", 10, 790);
        place("healthBar", 576, 970, sf::IntRect({0, 0}, {int(health * 760), 100}));
        place("healthBarOutline", 576, 970);
        place("heart", 586, 860);
        compat::Text clock = text(sourceSans, "Time: 02:37", 100, sf::Color(250, 100, 150), true);
        clock.setPosition({676, 860});
        target.draw(clock);
        sf::RectangleShape frame({1880, 750});
        frame.setFillColor(sf::Color::Transparent);
        frame.setOutlineColor(frameColour);
        frame.setOutlineThickness(10);
        frame.setPosition({20, 20});
        target.draw(frame);
        compat::Text fps = text(arial, "FPS: 60", 45, sf::Color::Green, true);
        target.draw(fps);
    }

    bool save(const std::string& path) {
        target.display();
        const bool ok = target.getTexture().copyToImage().saveToFile(path);
        std::printf("%s %s\n", ok ? "wrote" : "could not write", path.c_str());
        return ok;
    }
};

const char* textureNames[] = {"infoBar", "healthBarOutline", "healthBar", "heart", "TitleLogo", "player",
                              "bulletSentry", "bullet", "bombSentry", "bomb", "homingSentry", "homing",
                              "pushwaveSentry", "pushwave", "dieSentry", "bossBullet", "bossBlade",
                              "bossHoming", "laser", "laserAlarm", "laserSentry"};

// A run in its third minute: every sentry kind on its slots, each kind's shots in flight.
bool arenaScene(Scene& s, const std::string& out) {
    s.target.clear(sf::Color(8, 8, 8));
    s.target.setView(s.gameView);
    const float u = arenaWidth / 16, v = arenaHeight / 16;
    s.drawPlayer({255, 0, 0});
    // Bullets from the left side, at several distances.
    for (int i = 0; i < 6; i++)
        s.bullet("bullet", {u + 120 + 150.0f * float(i), 2 * v + 40.0f * float(i)}, 15, 150.0f * float(i) + 60);
    for (int i = 0; i < 5; i++)
        s.bullet("bullet", {u + 80 + 170.0f * float(i), 11 * v - 25.0f * float(i)}, -8, 180.0f * float(i) + 40);
    // Homing darts curling toward the player.
    for (int i = 0; i < 4; i++)
        s.shot("homing", {15 * u - 140 - 110.0f * float(i), 5 * v + 30.0f * float(i)}, 160 + 8.0f * float(i), 1.3f);
    s.bomb({980, 260}, 0, 150);
    s.bomb({1700, 640}, 0, 80);
    s.bomb({600, 680}, 2, 192);
    s.pushwave({15 * u, 11 * v}, 260);
    s.turret("bulletSentry", {u, 2 * v});
    s.turret("bulletSentry", {u, 11 * v});
    s.turret("homingSentry", {15 * u, 5 * v});
    s.turret("homingSentry", {4 * u, 8 * v});
    {
        compat::Sprite bomb(s.tex("bombSentry"), sf::IntRect({96, 0}, {96, 96}));
        bomb.setOrigin({48, 48});
        bomb.setPosition({3 * u, v});
        compat::setRotation(bomb, s.aimAt({3 * u, v}, s.playerAt));
        s.target.draw(bomb);
        bomb.setTextureRect(sf::IntRect({0, 0}, {96, 96}));
        bomb.setPosition({13 * u, 15 * v});
        s.target.draw(bomb);
    }
    s.turret("pushwaveSentry", {15 * u, 11 * v});
    s.turret("pushwaveSentry", {arenaWidth / 2, v});
    s.hud(sf::Color::White,
          "- HOMING SENTRY has been spawned!\n\n- Attack speed of all BULLET "
          "SENTRIES\nwas increased by 1.25x\n\n- BOMB SENTRY has been spawned!\n\n- Max Push Distance of all "
          "PUSHWAVE SENTRIES\nwas increased by 1.77x\n\n",
          0.72f);
    return s.save(out + "/arena.png");
}

// The boss fight: red pulse, the Zev Azirid, laser sentries mid-cycle, its projectiles.
bool bossScene(Scene& s, const std::string& out) {
    s.target.clear(sf::Color(8, 8, 8));
    s.target.setView(s.gameView);
    sf::RectangleShape backdrop({arenaWidth, arenaHeight});
    backdrop.setFillColor(sf::Color(200, 0, 0, 70));
    s.target.draw(backdrop);
    s.drawPlayer({40, 200, 255});
    const sf::Vector2f boss{900, 420};
    for (int i = 0; i < 20; i++) {
        const float a = 18.0f * float(i);
        const float r = a * 0.01745328f;
        s.bullet("bossBullet", boss + sf::Vector2f(std::cos(r), std::sin(r)) * 260.0f, a, 260);
    }
    for (int i = 0; i < 30; i++) {
        const float a = 12.0f * float(i) + 4, r = a * 0.01745328f, d = 150.0f + 14.0f * float(i);
        s.bullet("bossBlade", boss + sf::Vector2f(std::cos(r), std::sin(r)) * d, a, d * 3);
    }
    for (int i = 0; i < 5; i++)
        s.shot("bossHoming", boss + sf::Vector2f(170 + 40.0f * float(i), -160 + 80.0f * float(i)), -40 + 20.0f * float(i), 1.3f);
    for (int i = 0; i < 8; i++)
        s.shot("bossBullet", {1500 + 70.0f * float(i), 150 + 60.0f * float(i % 3)}, 30.0f * float(i), 0.75f);
    s.bomb({1850, 650}, 0, 140);
    s.bomb({1650, 250}, 1, 192);
    s.laser({1980, 120}, 180, true, 0);
    s.laser({1980, 120}, 90, true, 0);
    s.laser({420, 760}, 0, false, 1600);
    s.laser({420, 760}, -90, false, 760);
    s.laser({420, 760}, 180, false, 420);
    s.centred("laserSentry", {1980, 120});
    s.centred("laserSentry", {420, 760});
    s.centred("laserSentry", {1400, 800}, 35);
    s.centred("dieSentry", boss, 0, sf::IntRect({750, 0}, {250, 250}));
    s.hud(sf::Color(250, 30, 30), "Good luck", 0.35f);
    return s.save(out + "/boss.png");
}

bool menuScene(Scene& s, const std::string& out) {
    s.target.clear(sf::Color(8, 8, 8));
    s.target.setView(s.hudView);
    const auto button = [&](float x, float y, float w, const std::string& label) {
        sf::RectangleShape shape({w, 100});
        shape.setOrigin({w / 2, 50});
        shape.setPosition({x, y});
        shape.setFillColor(sf::Color::Transparent);
        shape.setOutlineThickness(5);
        shape.setOutlineColor(sf::Color::White);
        s.target.draw(shape);
        compat::Text t = s.text(s.arial, label, 45, sf::Color::White, true);
        const auto b = t.getGlobalBounds();
        t.setOrigin({compat::width(b) / 2, compat::height(b) * 0.75f});
        t.setPosition({x, y});
        s.target.draw(t);
    };
    button(960, 540, 600, "Play");
    button(797.5f, 690, 275, "Your Skin");
    button(1122.5f, 690, 275, "Your Stats");
    button(960, 840, 600, "Settings");
    button(960, 990, 600, "Quit Game");
    compat::Text version = s.text(s.arial, "Vizovid V1.0.1", 30, sf::Color::White, false);
    version.setPosition({0, 1080 - 1.5f * compat::height(version.getGlobalBounds())});
    s.target.draw(version);
    s.centred("TitleLogo", {960, 240});
    return s.save(out + "/menu.png");
}

// Every texture at its in-game scale, frames apart, and the player in a few skins.
bool contactSheet(Scene& s, const std::string& out) {
    s.target.clear(sf::Color(8, 8, 8));
    s.target.setView(s.hudView);
    float x = 30, y = 40, rowHeight = 0;
    // Draws the name above a texture and returns its width.
    const auto label = [&](const std::string& name, float lx, float ly) {
        compat::Text t = s.text(s.arial, name, 16, sf::Color(160, 160, 160), false);
        t.setPosition({lx, ly - 24});
        s.target.draw(t);
        return compat::width(t.getGlobalBounds());
    };
    const auto put = [&](const std::string& name, sf::IntRect rect, float scale, sf::Color colour = sf::Color::White) {
        compat::Sprite sp(s.tex(name));
        if (compat::width(rect) > 0)
            sp.setTextureRect(rect);
        sp.setScale({scale * 0.84f, scale * 0.84f});
        sp.setColor(colour);
        const auto b = sp.getGlobalBounds();
        if (x + compat::width(b) > 1900)
            x = 30, y += rowHeight + 40, rowHeight = 0;
        sp.setPosition({x, y});
        s.target.draw(sp);
        x += std::max(compat::width(b), label(name, x, y)) + 30;
        rowHeight = std::max(rowHeight, compat::height(b));
    };
    for (const char* name : {"bulletSentry", "homingSentry", "pushwaveSentry", "laserSentry"})
        put(name, {}, name == std::string("laserSentry") ? 1.0f : 0.8f);
    put("bombSentry", {{0, 0}, {96, 96}}, 1);
    put("bombSentry", {{96, 0}, {96, 96}}, 1);
    for (const char* name : {"bullet", "bossBullet", "bossBlade"})
        put(name, {}, 0.75f);
    for (const char* name : {"homing", "bossHoming"})
        put(name, {}, 1.3f);
    put("pushwave", {}, 1);
    put("laser", {{0, 0}, {200, 64}}, 1);
    put("laserAlarm", {{0, 0}, {200, 15}}, 1);
    for (sf::Color skin : {sf::Color(255, 0, 0), sf::Color(0, 255, 0), sf::Color(40, 120, 255), sf::Color(255, 220, 0),
                           sf::Color(255, 255, 255), sf::Color(255, 0, 255)})
        put("player", {}, 0.8f, skin);
    for (int f = 0; f < 7; f++)
        put("dieSentry", {{250 * f, 0}, {250, 250}}, 1);
    for (int f = 0; f < 4; f++)
        put("bomb", {{300 * f, 0}, {300, 300}}, 1.0f, sf::Color(255, 255, 255, f == 0 ? 162 : 192));
    put("heart", {}, 1);
    return s.save(out + "/sheet.png");
}

} // namespace

bool renderPreviews(const std::string& assets, const std::string& out) {
    Scene s;
    bool ok = compat::openFont(s.arial, assets + "/Fonts/ARIAL.ttf")
              && compat::openFont(s.sourceSans, assets + "/Fonts/SOURCESANSPRO.otf");
    for (const char* name : textureNames) {
        ok = s.textures[name].loadFromFile(assets + "/Textures/" + name + ".png") && ok;
    }
    s.textures["heart"].setSmooth(true);
    s.textures["infoBar"].setSmooth(true);
    s.textures["TitleLogo"].setSmooth(true);
    if (!ok || !compat::resize(s.target, {1920, 1080}))
        return false;
    s.gameView.setViewport(sf::FloatRect({10 / 1920.0f, 10 / 1080.0f}, {1890 / 1920.0f, 760 / 1080.0f}));
    ok = arenaScene(s, out) && ok;
    ok = bossScene(s, out) && ok;
    ok = menuScene(s, out) && ok;
    ok = contactSheet(s, out) && ok;
    return ok;
}

} // namespace gen
