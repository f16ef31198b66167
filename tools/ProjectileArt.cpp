// What the sentries fire. Projectiles fly along +x of their image (the game rotates
// them to their heading) and are bright, filled and white at the core, so they never
// read as one of the dark-bodied sentries.
#include "Art.hpp"
#include "Random.hpp"

namespace gen {

namespace {

// A teardrop lying along the x axis: radius ra at a, rb at b.
float sdTaper(Vec p, Vec a, Vec b, float ra, float rb) {
    const Vec pa = p - a, ba = b - a;
    const float t = clamp01(dot(pa, ba) / dot(ba, ba));
    return length(pa - ba * t) - (ra + (rb - ra) * t);
}

// Fire from embers to white: heat 0 to 1.
Rgb fireColour(float heat) {
    const Rgb stops[] = {rgb(70, 8, 8), rgb(215, 35, 20), rgb(255, 120, 30), rgb(255, 215, 80), rgb(255, 250, 230)};
    heat = clamp01(heat) * 4;
    const int i = std::min(3, int(heat));
    return mix(stops[i], stops[i + 1], heat - float(i));
}

// The square metric of the bomb: 1 on the edge midpoints of a frame, a little
// more toward its corners, so blasts fill the square that hurts.
float squareRadius(Vec q) {
    const float x = q.x * q.x, y = q.y * q.y;
    return std::sqrt(std::sqrt(x * x + y * y)) / 150.0f;
}

void drawBombMarker(Canvas& c) {
    const Vec centre = {150, 150};
    const Rgb red = palette::bomb;
    // The danger zone itself, faintly filled.
    fill(c, [&](Vec p) { return sdBox(p, centre, {140, 140}); }, red, 0.16f);
    // Hazard stripes around the edge mark exactly where the blast will reach.
    const auto band = [&](Vec p) { return std::max(sdBox(p, centre, {148, 148}, 3), -sdBox(p, centre, {135, 135}, 1)); };
    fillShaded(c, band, [](Vec p) {
        const float stripe = std::fmod((p.x + p.y) / 24.0f, 1.0f);
        return Shade{stripe < 0.5f ? palette::hazard : rgb(150, 20, 20), 1.0f};
    });
    neon(c, [&](Vec p) { return std::fabs(sdBox(p, centre, {128, 128}, 2)); }, Neon{red, 1.4f, 0.4f, 4, 0.4f, 0.3f});
    // The reticle: a dashed ring with ticks reaching out to the border.
    for (int i = 0; i < 12; i++) {
        const float turn = 15.0f + 30.0f * float(i);
        neon(c, [&](Vec p) { return sdArc(p, centre, 96, turn, 9); }, Neon{red, 2.5f, 0.5f, 4, 0.4f, 0.45f});
    }
    for (int i = 0; i < 4; i++) {
        const float turn = 90.0f * float(i);
        neon(c, [&](Vec p) { return sdSegment(p, centre + polar(turn, 84), centre + polar(turn, 118), 0); },
             Neon{red, 3.0f, 0.5f, 4, 0.4f, 0.45f});
    }
    // Warning signs in the four corners. The middle stays clear: the bomb is dropped
    // where the player stands, and the marker is drawn over the player.
    for (float x : {50.0f, 250.0f})
        for (float y : {52.0f, 252.0f}) {
            const auto sign = regularPolygon({x, y}, 24, 3, -90);
            fill(c, [&](Vec p) { return sdPolygon(p, sign) + 2; }, rgb(40, 8, 8), 0.75f);
            neon(c, [&](Vec p) { return std::fabs(sdPolygon(p, sign) + 2); }, Neon{palette::hazard, 2.2f, 0.55f, 3, 0.4f, 0.45f});
            fill(c, [&](Vec p) { return sdSegment(p, {x, y - 10}, {x, y + 2}, 2.4f); }, mix(palette::hazard, palette::white, 0.4f));
            fill(c, [&](Vec p) { return sdCircle(p, {x, y + 9}, 2.8f); }, mix(palette::hazard, palette::white, 0.4f));
        }
}

// One blast frame: stage 1 the flash, 2 the fireball, 3 the dying embers.
void drawBlast(Canvas& c, int stage, Random& random) {
    const Vec centre = {150, 150};
    const float cool = 0.22f * float(stage - 1); // how far the fire has burnt down
    c.forEach([&](int x, int y, Vec p) {
        const Vec q = p - centre;
        const float m = squareRadius(q);
        const float n = fractalNoise(p.x / 38.0f, p.y / 38.0f, 7u + unsigned(stage));
        float heat = 1.15f - m * (0.75f + 0.2f * float(stage)) + (n - 0.5f) * (0.4f + 0.5f * float(stage - 1)) - cool;
        float alpha = (1 - smoothstep(0.97f, 1.0f, std::max(std::fabs(q.x), std::fabs(q.y)) / 150.0f));
        alpha *= clamp01(0.5f + heat * 1.2f - 0.15f * float(stage - 1));
        Rgb colour = fireColour(heat);
        if (stage == 3) // smoke takes over where the fire has gone out
            colour = mix(rgb(60, 40, 40), colour, smoothstep(0.1f, 0.45f, heat));
        c.blend(x, y, colour, alpha);
    });
    // The shock front: well inside the square at first, at its edge at the end.
    const float front = 0.55f + 0.2f * float(stage);
    const float fade = stage == 3 ? 0.5f : 1.0f;
    c.forEach([&](int x, int y, Vec p) {
        const float d = std::fabs(squareRadius(p - centre) - front) * 150.0f;
        c.blend(x, y, mix(palette::white, palette::hazard, 0.4f + 0.2f * float(stage)), fade * std::exp(-d / 3.5f));
    });
    // Sparks and embers thrown out by the blast.
    const int sparks = 30 + 25 * stage;
    for (int i = 0; i < sparks; i++) {
        const Vec at = {random.range(18, 282), random.range(18, 282)};
        const float size = random.range(1.2f, 3.0f), heat = random.range(0.55f, 1.0f) - cool * 0.5f;
        glow(c, [&](Vec p) { return sdCircle(p, at, size); }, fireColour(heat), 0.6f, 2);
        fill(c, [&](Vec p) { return sdCircle(p, at, size); }, fireColour(heat + 0.2f));
    }
    // A thin line on the edge of the square, still the danger zone.
    neon(c, [&](Vec p) { return std::fabs(sdBox(p, centre, {147, 147})); }, Neon{rgb(255, 120, 40), 1.0f, 0.4f, 3, 0.4f, 0.3f});
}

} // namespace

sf::Image drawBullet() {
    Canvas c(36, 20);
    const auto shape = [](Vec p) { return sdTaper(p, {6, 10}, {25, 10}, 2.2f, 6.0f); };
    glow(c, shape, palette::bullet, 0.8f, 2.6f);
    fill(c, shape, mix(palette::bullet, palette::white, 0.3f));
    fill(c, [](Vec p) { return sdTaper(p, {12, 10}, {25, 10}, 1.0f, 3.4f); }, palette::white);
    c.fadeBorder(2);
    return c.toImage();
}

sf::Image drawHoming() {
    Canvas c(26, 18);
    const std::vector<Vec> dart = {{23, 9}, {5, 2.5f}, {10, 9}, {5, 15.5f}};
    const auto shape = [&](Vec p) { return sdPolygon(p, dart); };
    glow(c, shape, palette::homing, 0.8f, 2.2f);
    fill(c, shape, mix(palette::homing, palette::white, 0.25f));
    fill(c, [](Vec p) { return sdSegment(p, {11, 9}, {20, 9}, 1.3f); }, palette::white);
    c.fadeBorder(2);
    return c.toImage();
}

// Four 300 x 300 frames: the marker that shows where the bomb will go off (drawn
// with a fading opacity during the fuse), then three frames of the blast.
sf::Image drawBomb() {
    Canvas sheet(1200, 300);
    Random random(0xB0B);
    for (int frame = 0; frame < 4; frame++) {
        Canvas c(300, 300);
        if (frame == 0)
            drawBombMarker(c);
        else
            drawBlast(c, frame, random);
        sheet.paste(c, frame * 300, 0);
    }
    return sheet.toImage();
}

// A vertical strip: nine 40 x 40 slices, their tops 22.2 px apart, stand side by
// side across the direction of travel, so that the strip read top to bottom is the
// whole wave front. It bulges forward (+x) in the middle and tapers at the ends.
//
// The slices overlap, so most rows are drawn twice, some once. Each row stores the
// opacity that, laid down as often as that row is drawn, gives the wanted one; the
// front then looks even instead of banded.
sf::Image drawPushwave() {
    constexpr int width = 40, height = 217;
    Canvas c(width, height);
    const Rgb cyan = palette::pushwave;
    const auto frontX = [](float y) {
        const float t = (y - height * 0.5f) / (height * 0.5f);
        return 31.0f - 15.0f * t * t;
    };
    c.forEach([&](int x, int y, Vec p) {
        const float ends = smoothstep(0, 22, p.y) * smoothstep(0, 22, float(height) - p.y);
        const float d = p.x - frontX(p.y); // > 0 ahead of the front, < 0 behind it
        float alpha, whiteness;
        if (d > 0) {
            alpha = std::exp(-d / 2.5f);
            whiteness = 0.6f * std::exp(-d / 1.5f);
        } else {
            // A bright edge, then the wake fading behind it.
            alpha = std::max(clamp01(1.6f + d / 3.5f), 0.8f * std::exp(d / 12.0f));
            whiteness = 0.8f * clamp01(1 + d / 4.0f);
        }
        int drawn = 0;
        for (int s = 0; s < 9; s++) {
            const int top = int(float(s) * 22.22222222222222);
            drawn += (y >= top && y < top + 40) ? 1 : 0;
        }
        const float wanted = clamp01(alpha * ends);
        const float stored = 1 - std::pow(1 - std::min(wanted, 0.999f), 1.0f / float(std::max(drawn, 1)));
        c.set(x, y, mix(cyan, palette::white, whiteness), stored);
    });
    return c.toImage();
}

// A beam is a 64 px slice that the game stretches along its length: every column
// is the same, so it stretches without seams. Its whole height hurts, so even its
// faint outer glow stays visible and ends in a thin edge line.
sf::Image drawLaser() {
    Canvas c(16, 64);
    c.forEach([&](int x, int y, Vec p) {
        const float d = std::fabs(p.y - 32.0f) / 32.0f;
        Rgb colour = mix(palette::white, palette::laser, smoothstep(0.08f, 0.38f, d));
        float alpha = d < 0.42f ? 1.0f : 0.25f + 0.75f * std::exp(-(d - 0.42f) * 7.0f);
        if (d > 0.93f) // the rim
            alpha = std::max(alpha, 0.6f);
        c.set(x, y, colour, alpha);
    });
    return c.toImage();
}

// The warning line: the beam's colour, thin and a little translucent.
sf::Image drawLaserAlarm() {
    Canvas c(16, 15);
    c.forEach([&](int x, int y, Vec p) {
        const float d = std::fabs(p.y - 7.5f) / 7.5f;
        const Rgb colour = mix(rgb(230, 255, 200), palette::laser, smoothstep(0.1f, 0.45f, d));
        const float alpha = d < 0.25f ? 0.95f : 0.95f * std::exp(-(d - 0.25f) * 3.5f);
        c.set(x, y, colour, alpha);
    });
    return c.toImage();
}

} // namespace gen
