// The HUD pieces, the title logo, the player and the application icons.
//
// The HUD lives in the 1920 x 1080 screen space under the arena: the info bar at
// (10, 790) frames the ten-line message feed (the feed is drawn first, so the bar is
// clear inside), the heart at (586, 860) stands left of the run clock, and the health
// bar with its outline sits at (576, 970).
#include "Art.hpp"

namespace gen {

namespace {

// A box whose right-hand corners are rounded by `right` and left-hand ones by `left`.
float sdBoxSides(Vec p, Vec centre, Vec half, float right, float left) {
    const float r = p.x > centre.x ? right : left;
    return sdBox(p, centre, half, r);
}

// The title's neon lettering: "VIZOVID", 200 px tall, slanted forward. Letters are
// tube centre lines; the caller gives them thickness.
struct Lettering {
    float scale = 1;   // of the 930 x 200 word
    Vec origin;        // top-left of the word
    float slant = 0.2f;

    float operator()(Vec p) const {
        Vec q = (p - origin) * (1 / scale);
        q.x += (q.y - 200) * slant; // lean the letters forward
        float d = 1e9f;
        const auto V = [&](float x) {
            d = std::min(d, sdSegment(q, {x, 0}, {x + 65, 200}, 0));
            d = std::min(d, sdSegment(q, {x + 130, 0}, {x + 65, 200}, 0));
        };
        const auto I = [&](float x) { d = std::min(d, sdSegment(q, {x, 0}, {x, 200}, 0)); };
        V(0);
        I(180);
        // Z
        d = std::min(d, sdSegment(q, {230, 0}, {350, 0}, 0));
        d = std::min(d, sdSegment(q, {350, 0}, {230, 200}, 0));
        d = std::min(d, sdSegment(q, {230, 200}, {350, 200}, 0));
        // O
        d = std::min(d, std::fabs(sdBox(q, {465, 100}, {65, 100}, 52)));
        V(580);
        I(760);
        // D
        d = std::min(d, std::fabs(sdBoxSides(q, {870, 100}, {60, 100}, 70, 0)));
        return d * scale;
    }
};

// The icon at any size: the title's V and one bullet on a dark tile.
sf::Image drawIcon(int size) {
    Canvas c(size, size);
    const float k = float(size) / 256.0f;
    const Vec mid = {size * 0.5f, size * 0.5f};
    const auto tile = [&](Vec p) { return sdBox(p, mid, {120 * k, 120 * k}, 40 * k); };
    fill(c, tile, rgb(14, 14, 22));
    neon(c, [&](Vec p) { return std::fabs(tile(p) + 7 * k); }, Neon{palette::clockPink, 2.5f * k, 0.4f, 4 * k, 0.4f, 0.4f});
    const auto V = [&](Vec p) {
        Vec q = (p - mid) * (1 / k);
        q.x += (q.y - 70) * 0.2f;
        return std::min(sdSegment(q, {-62, -72}, {0, 70}, 0), sdSegment(q, {62, -72}, {0, 70}, 0)) * k;
    };
    neon(c, [&](Vec p) { return V(p + Vec{5 * k, 5 * k}); }, Neon{palette::pushwave, 9 * k, 0.0f, 1, 0.3f, 0.2f});
    neon(c, V, Neon{palette::clockPink, 11 * k, 0.7f, 9 * k, 0.42f, 0.8f});
    const Vec shot = mid + Vec{24 * k, -50 * k}; // inside the opening of the V
    glow(c, [&](Vec p) { return sdCircle(p, shot, 11 * k); }, palette::bullet, 0.8f, 5 * k);
    fill(c, [&](Vec p) { return sdCircle(p, shot, 12 * k); }, mix(palette::bullet, palette::white, 0.35f));
    fill(c, [&](Vec p) { return sdCircle(p, shot, 6 * k); }, palette::white);
    return c.toImage();
}

} // namespace

// 560 x 280: a frame around the message feed, its inside left almost clear because
// the bar is drawn over the text.
sf::Image drawInfoBar() {
    Canvas c(560, 280);
    const Vec mid = {280, 140};
    const Rgb pink = palette::clockPink;
    // The feed's text starts 10 px in from the left edge, so the frame hugs the edge.
    const auto frame = [&](Vec p) { return sdBox(p, mid, {276, 136}, 14); };
    fillShaded(c, frame, [](Vec p) { return Shade{rgb(20, 14, 30), 0.10f + 0.08f * (p.y / 280.0f)}; });
    neon(c, [&](Vec p) { return std::fabs(frame(p)); }, Neon{pink, 1.6f, 0.45f, 5, 0.4f, 0.45f});
    // Brighter brackets on the corners.
    for (float sx : {-1.0f, 1.0f})
        for (float sy : {-1.0f, 1.0f}) {
            const Vec corner = mid + Vec{sx * 276, sy * 136};
            const auto bracket = [&](Vec p) {
                return std::min(sdSegment(p, corner + Vec{-sx * 6, 0}, corner + Vec{-sx * 46, 0}, 0),
                                sdSegment(p, corner + Vec{0, -sy * 6}, corner + Vec{0, -sy * 36}, 0));
            };
            neon(c, [&](Vec p) { return std::max(bracket(p), frame(p)); }, Neon{pink, 2.6f, 0.5f, 4, 0.45f, 0.7f});
        }
    // The header strip above the first line of text: a tab and the four sentry colours.
    neon(c, [](Vec p) { return sdSegment(p, {24, 17}, {80, 17}, 0); }, Neon{pink, 3.0f, 0.5f, 4, 0.45f, 0.6f});
    fill(c, [](Vec p) { return sdSegment(p, {96, 17}, {420, 17}, 0.8f); }, pink, 0.35f);
    const Rgb kinds[] = {palette::bullet, palette::homing, palette::bomb, palette::pushwave};
    for (int i = 0; i < 4; i++) {
        const Vec dot = {444.0f + 22.0f * float(i), 17};
        glow(c, [&](Vec p) { return sdBox(p, dot, {4, 4}, 1); }, kinds[i], 0.6f, 3);
        fill(c, [&](Vec p) { return sdBox(p, dot, {4, 4}, 1); }, mix(kinds[i], palette::white, 0.3f));
    }
    c.fadeBorder(3);
    return c.toImage();
}

// 760 x 100, drawn over the health bar: a frame with a tick at every tenth.
sf::Image drawHealthBarOutline() {
    Canvas c(760, 100);
    const Vec mid = {380, 50};
    const Rgb rim = mix(palette::clockPink, palette::white, 0.25f);
    const auto frame = [&](Vec p) { return sdBox(p, mid, {374, 44}, 20); };
    neon(c, [&](Vec p) { return std::fabs(frame(p)); }, Neon{rim, 2.8f, 0.5f, 4, 0.45f, 0.55f});
    for (int i = 1; i < 10; i++) {
        const float x = 12.0f + 73.6f * float(i);
        fill(c, [&](Vec p) {
            return std::min(sdSegment(p, {x, 9}, {x, 17}, 1.3f), sdSegment(p, {x, 83}, {x, 91}, 1.3f));
        }, rim, 0.9f);
    }
    c.fadeBorder(3);
    return c.toImage();
}

// 760 x 100; the game crops it from the right as health falls, so it runs the full
// width inside the outline, deep red at the empty end to hot pink at the full end.
sf::Image drawHealthBar() {
    Canvas c(760, 100);
    const Vec mid = {380, 50};
    const auto bar = [&](Vec p) { return sdBox(p, mid, {366, 34}, 14); };
    fillShaded(c, bar, [](Vec p) {
        const float along = (p.x - 14) / 732.0f, across = (p.y - 16) / 68.0f;
        Rgb colour = mix(rgb(190, 18, 45), rgb(255, 90, 150), clamp01(along));
        colour = mix(colour, palette::white, 0.45f * (1 - smoothstep(0.05f, 0.35f, across)));
        colour = scale(colour, 1 - 0.35f * smoothstep(0.6f, 1.0f, across));
        // Darker seams between the tenths.
        const float seam = std::fabs(std::fmod(p.x - 12, 73.6f) - 36.8f);
        if (seam > 34.8f)
            colour = scale(colour, 0.55f);
        return Shade{colour, 1.0f};
    });
    return c.toImage();
}

// 90 x 90, left of the clock.
sf::Image drawHeart() {
    Canvas c(90, 90);
    const Vec mid = {45, 50};
    const Rgb red = rgb(255, 50, 85);
    const auto heart = [&](Vec p) { return sdHeart(p, mid, 70); };
    glow(c, heart, red, 0.65f, 5);
    fillShaded(c, heart, [&](Vec p) {
        const float t = clamp01(length(p - Vec{32, 33}) / 50.0f);
        return Shade{mix(rgb(255, 150, 170), rgb(200, 20, 60), t), 1.0f};
    });
    neon(c, [&](Vec p) { return std::fabs(heart(p) + 2.5f); }, Neon{mix(red, palette::white, 0.4f), 1.4f, 0.0f, 1, 0.5f, 0.6f});
    fill(c, [](Vec p) { return sdSegment(p, {26, 35}, {31, 29}, 3.2f); }, palette::white, 0.8f);
    c.fadeBorder(8);
    return c.toImage();
}

// 1200 x 400, centred at (960, 240) on the main menu above the "Play" button.
sf::Image drawTitleLogo() {
    Canvas c(1200, 400);
    const Lettering word{1.0f, {115, 70}, 0.2f};
    // A cyan echo behind the pink tubes.
    const Lettering echo{1.0f, {125, 80}, 0.2f};
    neon(c, echo, Neon{palette::pushwave, 8, 0.25f, 10, 0.3f, 0.2f});
    neon(c, word, Neon{palette::clockPink, 10, 0.6f, 14, 0.42f, 0.8f});
    // The underline: a laser line with a bright spark in the middle.
    const auto underline = [](Vec p) { return sdSegment(p, {160, 330}, {1040, 330}, 0); };
    c.forEach([&](int x, int y, Vec p) {
        const float ends = smoothstep(160, 420, p.x) * smoothstep(1040, 780, p.x);
        const float d = std::max(0.0f, underline(p) - 2.5f);
        c.blend(x, y, mix(palette::pushwave, palette::white, std::exp(-d / 1.2f) * 0.6f),
                ends * std::max(coverage(underline(p) - 2.5f), 0.5f * std::exp(-d / 6.0f)));
    });
    const auto spark = regularPolygon({600, 330}, 11, 4, 0);
    glow(c, [&](Vec p) { return sdPolygon(p, spark); }, palette::pushwave, 0.8f, 6);
    fill(c, [&](Vec p) { return sdPolygon(p, spark); }, palette::white);
    c.fadeBorder(12);
    return c.toImage();
}

// 80 x 80 and white: the skin colour multiplies it, so the outline takes the colour
// at full strength and the face a darker shade of it. The whole square is the hit
// box: at the game's scale of 0.8 it is 64 units, room enough for a 40-unit
// pushwave segment to lie inside it wherever a wave meets the player.
sf::Image drawPlayer() {
    constexpr float size = 80, k = size / 64; // drawn on a 64-unit plan, scaled up
    Canvas c{int(size), int(size)};
    const Vec mid = {size / 2, size / 2};
    const auto body = [&](Vec p) { return sdBox(p, mid, {24 * k, 24 * k}, 7 * k); };
    glow(c, body, palette::white, 0.5f, 2.5f * k);
    fillShaded(c, body, [&](Vec p) { return Shade{scale(palette::white, 0.68f - 0.18f * (p.y / size)), 1.0f}; });
    neon(c, [&](Vec p) { return std::fabs(body(p) + 2.5f * k); }, Neon{palette::white, 2.4f * k, 0.0f, 1, 0.4f, 0.0f});
    const auto diamond = regularPolygon(mid, 10 * k, 4, 0);
    fill(c, [&](Vec p) { return sdPolygon(p, diamond); }, palette::white);
    fill(c, [&](Vec p) { return std::fabs(sdBox(p, mid, {15 * k, 15 * k}, 3 * k)) - 0.8f * k; }, palette::white, 0.55f);
    c.fadeBorder(3);
    return c.toImage();
}

sf::Image drawIcon256() { return drawIcon(256); }
sf::Image drawIcon64() { return drawIcon(64); }

} // namespace gen
