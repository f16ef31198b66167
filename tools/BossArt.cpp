// The Zev Azirid and what it fires. The boss is a spiked wheel around one eye; it
// spins while it flies, so everything but the eye is drawn with twelvefold symmetry.
// Its sheet holds seven 250 x 250 frames: frame 0 at rest, then one animation that
// blinks, charges up and glares before it cools back to rest.
#include "Art.hpp"

namespace gen {

namespace {

const Vec centre = {125, 125};

struct BossPose {
    float eyeHeight;  // opening of the eye, px (the eye is 124 px wide)
    float pupilWidth; // half width of the slit pupil, px
    float charge;     // 0 calm to 1 fully charged
    bool glare;       // the shock ring of the menace frame
};

const BossPose poses[7] = {
    {46, 6, 0.0f, false},   // 0 at rest
    {16, 6, 0.1f, false},   // 1 blinking
    {2.5f, 6, 0.25f, false}, // 2 eye shut
    {62, 10, 0.55f, false}, // 3 wide open, drawing in power
    {62, 3, 1.0f, false},   // 4 fully charged
    {30, 2.5f, 0.9f, true}, // 5 the glare
    {46, 5, 0.3f, false},   // 6 cooling down
};

// The almond of the eye: the overlap of two circles, `height` px open.
float sdEye(Vec p, float height) {
    const float half = 62, h = std::max(height, 1.0f) * 0.5f;
    const float radius = (half * half + h * h) / (2 * h);
    const float offset = radius - h;
    const float lens = std::max(sdCircle(p, centre + Vec{0, offset}, radius), sdCircle(p, centre - Vec{0, offset}, radius));
    // Nearly shut, the two circles are huge and their distances say little sideways.
    return std::max(lens, std::fabs(p.x - centre.x) - half);
}

void drawBossFrame(Canvas& c, const BossPose& pose) {
    const Rgb red = palette::bossRed, crimson = palette::boss, hot = palette::bossGlow;
    const float charge = pose.charge;
    const Rgb spikeColour = mix(red, mix(hot, palette::white, 0.3f), charge);

    // Twelve spikes around the hull, longer and brighter as it charges.
    std::vector<std::vector<Vec>> spikes;
    for (int i = 0; i < 12; i++) {
        const float turn = 30.0f * float(i) + 15.0f;
        spikes.push_back({centre + polar(turn - 9, 96), centre + polar(turn, 112 + 5 * charge), centre + polar(turn + 9, 96)});
    }
    const auto spikeShape = [&](Vec p) {
        float d = 1e9f;
        for (const auto& s : spikes)
            d = std::min(d, sdPolygon(p, s));
        return d;
    };
    const auto hull = [&](Vec p) { return std::min(sdCircle(p, centre, 100), spikeShape(p)); };
    glow(c, hull, spikeColour, 0.35f + 0.3f * charge, 3.5f + 1.5f * charge);
    fill(c, hull, palette::hull);
    fill(c, spikeShape, mix(palette::hull, spikeColour, 0.25f + 0.5f * charge));
    neon(c, [&](Vec p) { return std::fabs(hull(p)); }, Neon{spikeColour, 2.2f, 0.0f, 1, 0.4f, 0.35f + 0.4f * charge});

    // The armour band with six vents that fill with light as power gathers.
    neon(c, [&](Vec p) { return std::fabs(sdCircle(p, centre, 78)); }, Neon{crimson, 2.0f, 0.4f, 3, 0.4f, 0.4f});
    for (int i = 0; i < 6; i++) {
        const float turn = 60.0f * float(i);
        const auto vent = [&](Vec p) { return sdArc(p, centre, 89, turn, 17) - 4; };
        fill(c, vent, mix(rgb(60, 10, 25), mix(hot, palette::white, 0.4f), charge));
        if (charge > 0.3f)
            glow(c, vent, hot, 0.5f * charge, 4);
    }

    // The face: a dark disc, lit from the eye.
    fillShaded(c, [](Vec p) { return sdCircle(p, centre, 74); }, [&](Vec p) {
        const float r = length(p - centre) / 74.0f;
        return Shade{mix(mix(rgb(60, 10, 30), rgb(120, 20, 60), charge), rgb(14, 8, 16), smoothstep(0.2f, 1.0f, r)), 1.0f};
    });

    // The eye: a glowing almond around an iris with a slit pupil.
    const float open = pose.eyeHeight;
    const auto eye = [&](Vec p) { return sdEye(p, open); };
    glow(c, eye, mix(crimson, hot, charge), 0.6f + 0.3f * charge, 5 + 6 * charge);
    fill(c, eye, mix(rgb(255, 215, 225), palette::white, charge));
    if (open > 6) {
        const float irisRadius = 25;
        fillShaded(c, [&](Vec p) { return std::max(sdCircle(p, centre, irisRadius), eye(p)); }, [&](Vec p) {
            const float r = length(p - centre) / irisRadius;
            const Rgb inner = mix(hot, palette::white, 0.5f * charge);
            return Shade{mix(inner, mix(red, crimson, 0.5f), smoothstep(0.1f, 1.0f, r)), 1.0f};
        });
        const auto pupil = [&](Vec p) {
            const Vec q = p - centre;
            return std::max(sdBox(q, {0, 0}, {pose.pupilWidth, 19}, pose.pupilWidth), eye(p));
        };
        fill(c, pupil, mix(rgb(10, 0, 6), rgb(90, 0, 40), charge * 0.5f));
        // A glint, which keeps the eye alive.
        fill(c, [&](Vec p) { return std::max(sdCircle(p, centre + Vec{-11, -9}, 4), eye(p)); }, palette::white, 0.85f);
    }
    neon(c, [&](Vec p) { return std::fabs(eye(p)); }, Neon{mix(crimson, hot, charge), 1.6f, 0.0f, 1, 0.4f, 0.5f});

    if (pose.glare) {
        neon(c, [&](Vec p) { return std::fabs(sdCircle(p, centre, 116)); }, Neon{hot, 1.5f, 0.5f, 2.5f, 0.4f, 0.6f});
        // Brows drawn down over the eye.
        for (float side : {-1.0f, 1.0f})
            neon(c, [&](Vec p) { return sdSegment(p, centre + Vec{side * 66, -30}, centre + Vec{side * 12, -14}, 0); },
                 Neon{hot, 3.0f, 0.6f, 3, 0.45f, 0.6f});
    }
}

} // namespace

sf::Image drawDieSentry() {
    Canvas sheet(250 * 7, 250);
    for (int frame = 0; frame < 7; frame++) {
        Canvas c(250, 250);
        drawBossFrame(c, poses[frame]);
        c.fadeBorder(6);
        sheet.paste(c, frame * 250, 0);
    }
    return sheet.toImage();
}

// Ring bullets and bouncing balls: a hot pink orb. Bullets turn red as they travel,
// so the orb is pink (full red channel), never a colour that would turn black.
sf::Image drawBossBullet() {
    Canvas c(32, 32);
    const Vec mid = {16, 16};
    const Rgb pink = rgb(255, 60, 150);
    glow(c, [&](Vec p) { return sdCircle(p, mid, 10); }, pink, 0.85f, 2.6f);
    fill(c, [&](Vec p) { return sdCircle(p, mid, 10.5f); }, mix(pink, palette::white, 0.3f));
    fill(c, [&](Vec p) { return sdCircle(p, mid, 5); }, palette::white);
    c.fadeBorder(2);
    return c.toImage();
}

// The spiral's blades: a thin crescent, edge first.
sf::Image drawBossBlade() {
    Canvas c(36, 24);
    const Rgb lilac = rgb(255, 180, 240);
    const auto blade = [](Vec p) { return std::max(sdCircle(p, {14, 12}, 11), -sdCircle(p, {7, 12}, 11.5f)); };
    glow(c, blade, rgb(255, 80, 200), 0.8f, 2.2f);
    fill(c, blade, lilac);
    fill(c, [&](Vec p) { return std::max(blade(p) + 1.2f, -(p.x - 21)); }, palette::white);
    c.fadeBorder(2);
    return c.toImage();
}

// The homing fan: a magenta double chevron, told apart from the violet darts of
// the homing sentries by its shape and size.
sf::Image drawBossHoming() {
    Canvas c(28, 18);
    const Rgb magenta = rgb(235, 70, 255);
    const std::vector<Vec> front = {{26, 9}, {10, 1.5f}, {14, 9}, {10, 16.5f}};
    const std::vector<Vec> back = {{15, 9}, {3, 3}, {6, 9}, {3, 15}};
    const auto shape = [&](Vec p) { return std::min(sdPolygon(p, front), sdPolygon(p, back)); };
    glow(c, shape, magenta, 0.75f, 2.2f);
    fill(c, shape, mix(magenta, palette::white, 0.25f));
    fill(c, [](Vec p) { return sdSegment(p, {15, 9}, {23, 9}, 1.2f); }, palette::white);
    c.fadeBorder(2);
    return c.toImage();
}

} // namespace gen
