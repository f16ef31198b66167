// The sentries. A turret faces +x (the game rotates it toward the player) and turns
// about a point 10 px behind the centre of its image, so its body is drawn around
// that pivot and its gun reaches forward. Each kind has its own silhouette and colour:
// bullet sentries a long single barrel (amber), homing sentries twin rails around a
// seeker eye (violet), pushwave sentries a flared horn (cyan), bomb sentries a round
// mortar with a hazard ring (red), laser sentries a four-way emitter cross (green).
#include "Art.hpp"

namespace gen {

namespace {

// Turret images are 120 x 100; the pivot sits at (50, 50).
constexpr int turretWidth = 120, turretHeight = 100;
const Vec pivot = {50, 50};

// The glowing heart of a turret: a ring around a lit core.
void turretCore(Canvas& c, Vec centre, float radius, Rgb colour) {
    neon(c, [&](Vec p) { return std::fabs(sdCircle(p, centre, radius)); }, Neon{colour, 1.6f, 0.4f, 3, 0.4f, 0.5f});
    glow(c, [&](Vec p) { return sdCircle(p, centre, radius * 0.45f); }, colour, 0.8f, 2.5f);
    fill(c, [&](Vec p) { return sdCircle(p, centre, radius * 0.45f); }, mix(colour, palette::white, 0.6f));
}

} // namespace

sf::Image drawBulletSentry() {
    Canvas c(turretWidth, turretHeight);
    const Rgb amber = palette::bullet;
    const auto octagon = regularPolygon(pivot, 37, 8, 22.5f);
    const auto body = [&](Vec p) { return sdPolygon(p, octagon); };
    const auto barrel = [](Vec p) { return sdBox(p, {88, 50}, {26, 7.5f}, 2); };
    machineBody(c, [&](Vec p) { return std::min(body(p), barrel(p)); }, amber);
    // Plating seams and the rifling line along the barrel.
    for (float turn : {45.0f, 135.0f, 225.0f, 315.0f})
        fill(c, [&](Vec p) { return sdSegment(p, pivot + polar(turn, 22), pivot + polar(turn, 31), 1.0f); },
             mix(palette::hull, amber, 0.55f));
    fill(c, [](Vec p) { return sdSegment(p, {70, 50}, {106, 50}, 1.3f); }, mix(palette::hull, amber, 0.6f));
    // Muzzle collar.
    neon(c, [](Vec p) { return std::fabs(sdBox(p, {109, 50}, {4, 10}, 1.5f)); }, Neon{amber, 1.5f, 0.5f, 3, 0.4f, 0.5f});
    turretCore(c, pivot, 14, amber);
    c.fadeBorder(3);
    return c.toImage();
}

sf::Image drawHomingSentry() {
    Canvas c(turretWidth, turretHeight);
    const Rgb violet = palette::homing;
    const auto hexagon = regularPolygon(pivot, 38, 6, 0);
    const auto body = [&](Vec p) { return sdPolygon(p, hexagon); };
    const auto rails = [](Vec p) {
        return std::min(sdBox(p, {88, 34}, {20, 5}, 2), sdBox(p, {88, 66}, {20, 5}, 2));
    };
    machineBody(c, [&](Vec p) { return std::min(body(p), rails(p)); }, violet);
    // Guide lights along the rails, brighter toward the tips.
    for (int i = 0; i < 3; i++) {
        const float x = 80 + 10.0f * float(i), bright = 0.45f + 0.25f * float(i);
        for (float y : {34.0f, 66.0f})
            fill(c, [&](Vec p) { return sdCircle(p, {x, y}, 1.8f); }, mix(violet, palette::white, bright * 0.6f), bright);
    }
    // The seeker: a forward-pointing triangle around the core.
    const std::vector<Vec> seeker = {{76, 50}, {36, 27}, {36, 73}};
    neon(c, [&](Vec p) { return std::fabs(sdPolygon(p, seeker)); }, Neon{violet, 1.4f, 0.35f, 3, 0.4f, 0.4f});
    turretCore(c, {52, 50}, 10, violet);
    c.fadeBorder(3);
    return c.toImage();
}

sf::Image drawPushwaveSentry() {
    Canvas c(turretWidth, turretHeight);
    const Rgb cyan = palette::pushwave;
    const std::vector<Vec> horn = {{60, 39}, {60, 61}, {106, 86}, {106, 14}};
    const auto shape = [&](Vec p) { return std::min(sdCircle(p, pivot, 33), sdPolygon(p, horn)); };
    machineBody(c, shape, cyan);
    // Wave fronts standing in the mouth of the horn.
    for (float r : {66.0f, 80.0f})
        neon(c, [&](Vec p) { return sdArc(p, {30, 50}, r, 0, 22); }, Neon{cyan, 1.4f, 0.45f, 3, 0.4f, 0.5f});
    // Ribs of the housing.
    for (float turn : {150.0f, 180.0f, 210.0f})
        fill(c, [&](Vec p) { return sdSegment(p, pivot + polar(turn, 22), pivot + polar(turn, 29), 1.1f); },
             mix(palette::hull, cyan, 0.55f));
    turretCore(c, pivot, 15, cyan);
    c.fadeBorder(3);
    return c.toImage();
}

// Two 96 x 96 frames side by side: at rest, and armed from a drop until its bomb
// goes off. The bomb sentry turns only when it fires, so its mortar points where the
// last bomb went.
sf::Image drawBombSentry() {
    Canvas sheet(192, 96);
    for (int armed = 0; armed < 2; armed++) {
        Canvas c(96, 96);
        const Vec centre = {48, 48};
        const Rgb red = armed ? mix(palette::bomb, palette::white, 0.15f) : palette::bomb;
        const auto shape = [&](Vec p) {
            return std::min(sdCircle(p, centre, 30), sdBox(p, {76, 48}, {12, 11}, 2));
        };
        machineBody(c, shape, red, armed ? 2.6f : 2.2f);
        // The hazard ring: eight yellow dashes, lit when armed.
        for (int i = 0; i < 8; i++) {
            const float turn = 22.5f + 45.0f * float(i);
            const auto dash = [&](Vec p) { return sdArc(p, centre, 21, turn, 12); };
            if (armed)
                neon(c, dash, Neon{palette::hazard, 2.0f, 0.55f, 3, 0.4f, 0.5f});
            else
                fill(c, [&](Vec p) { return dash(p) - 1.8f; }, mix(palette::hull, palette::hazard, 0.45f));
        }
        // The shell in the breech: dull at rest, white-hot when armed.
        if (armed) {
            glow(c, [&](Vec p) { return sdCircle(p, centre, 10); }, palette::bomb, 0.9f, 6);
            fillShaded(c, [&](Vec p) { return sdCircle(p, centre, 11); }, [&](Vec p) {
                return Shade{mix(palette::white, palette::bomb, smoothstep(2, 11, length(p - centre))), 1.0f};
            });
            // A warning halo around the whole machine.
            neon(c, [&](Vec p) { return std::fabs(sdCircle(p, centre, 42)); }, Neon{palette::bomb, 1.2f, 0.5f, 3, 0.4f, 0.3f});
        } else {
            fill(c, [&](Vec p) { return sdCircle(p, centre, 10); }, mix(palette::hull, palette::bomb, 0.5f));
            fill(c, [&](Vec p) { return sdCircle(p, {45, 45}, 3); }, mix(palette::bomb, palette::white, 0.3f), 0.8f);
        }
        // Mouth of the mortar.
        fill(c, [](Vec p) { return sdBox(p, {86, 48}, {2, 7}, 1); }, armed ? palette::hazard : mix(palette::hull, red, 0.5f));
        c.fadeBorder(3);
        sheet.paste(c, armed * 96, 0);
    }
    return sheet.toImage();
}

// The laser sentry spins while it flies and fires along the four axes when it
// stops, so its emitters stand on those axes. It is drawn centred, 100 x 100.
sf::Image drawLaserSentry() {
    Canvas c(100, 100);
    const Rgb green = palette::laser;
    const Vec centre = {50, 50};
    const auto diamond = regularPolygon(centre, 31, 4, 45);
    const auto prongs = [&](Vec p) {
        const Vec q = {std::fabs(p.x - centre.x), std::fabs(p.y - centre.y)};
        return std::min(sdBox(q, {34, 0}, {12, 6}, 2), sdBox(q, {0, 34}, {6, 12}, 2));
    };
    machineBody(c, [&](Vec p) { return std::min(sdPolygon(p, diamond), prongs(p)); }, green);
    // Emitter lenses at the four tips.
    for (int i = 0; i < 4; i++) {
        const Vec tip = centre + polar(90.0f * float(i), 42);
        glow(c, [&](Vec p) { return sdCircle(p, tip, 3); }, green, 0.7f, 3);
        fill(c, [&](Vec p) { return sdCircle(p, tip, 3.2f); }, mix(green, palette::white, 0.6f));
    }
    const auto plate = regularPolygon(centre, 19, 4, 0);
    neon(c, [&](Vec p) { return std::fabs(sdPolygon(p, plate)); }, Neon{green, 1.2f, 0.3f, 3, 0.4f, 0.4f});
    turretCore(c, centre, 9, green);
    c.fadeBorder(3);
    return c.toImage();
}

} // namespace gen
