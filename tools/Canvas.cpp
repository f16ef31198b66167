// Canvas storage and the shapes that need more than one line.
#include "Canvas.hpp"
#include "Random.hpp"
#include "platform/SfmlCompat.hpp"

#include <cstdint>

namespace gen {

Rgb Canvas::colourAt(int x, int y) const {
    const float* p = &px[(std::size_t(y) * w + x) * 4];
    if (p[3] <= 0)
        return {};
    return {p[0] / p[3], p[1] / p[3], p[2] / p[3]};
}

void Canvas::set(int x, int y, Rgb c, float alpha) {
    float* p = &px[(std::size_t(y) * w + x) * 4];
    alpha = clamp01(alpha);
    p[0] = c.r * alpha, p[1] = c.g * alpha, p[2] = c.b * alpha, p[3] = alpha;
}

void Canvas::fade(float factor) {
    for (float& v : px)
        v *= factor;
}

void Canvas::fadeBorder(float margin) {
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const float edge = std::min(std::min(x + 0.5f, w - x - 0.5f), std::min(y + 0.5f, h - y - 0.5f));
            const float keep = smoothstep(0, margin, edge);
            float* p = &px[(std::size_t(y) * w + x) * 4];
            for (int k = 0; k < 4; k++)
                p[k] *= keep;
        }
}

void Canvas::paste(const Canvas& other, int x, int y) {
    for (int oy = 0; oy < other.h; oy++)
        for (int ox = 0; ox < other.w; ox++) {
            const int tx = x + ox, ty = y + oy;
            if (tx < 0 || ty < 0 || tx >= w || ty >= h)
                continue;
            const float* s = &other.px[(std::size_t(oy) * other.w + ox) * 4];
            float* d = &px[(std::size_t(ty) * w + tx) * 4];
            const float keep = 1 - s[3];
            for (int c = 0; c < 4; c++)
                d[c] = s[c] + d[c] * keep;
        }
}

sf::Image Canvas::toImage() const {
    sf::Image image = compat::makeImage({unsigned(w), unsigned(h)}, sf::Color::Transparent);
    const auto byte = [](float v) { return std::uint8_t(std::lround(clamp01(v) * 255.0f)); };
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const float* p = &px[(std::size_t(y) * w + x) * 4];
            const std::uint8_t a = byte(p[3]);
            if (a == 0)
                continue;
            compat::setPixel(image, unsigned(x), unsigned(y), sf::Color(byte(p[0] / p[3]), byte(p[1] / p[3]), byte(p[2] / p[3]), a));
        }
    return image;
}

float sdPolygon(Vec p, const std::vector<Vec>& v) {
    // Distance to the nearest edge, signed by the winding of the crossings.
    float best = dot(p - v[0], p - v[0]);
    bool inside = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, i++) {
        const Vec e = v[j] - v[i], w = p - v[i];
        const Vec b = w - e * clamp01(dot(w, e) / std::max(dot(e, e), 1e-6f));
        best = std::min(best, dot(b, b));
        const bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = e.x * w.y > e.y * w.x;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3))
            inside = !inside;
    }
    return (inside ? -1.0f : 1.0f) * std::sqrt(best);
}

std::vector<Vec> regularPolygon(Vec centre, float radius, int sides, float turn) {
    std::vector<Vec> corners;
    for (int i = 0; i < sides; i++)
        corners.push_back(centre + polar(turn + 360.0f * float(i) / float(sides), radius));
    return corners;
}

float sdArc(Vec p, Vec c, float r, float facing, float halfSpan) {
    const Vec q = rotate(p - c, -facing);
    const float angle = std::atan2(q.y, q.x) * 180.0f / 3.14159265f;
    if (std::fabs(angle) <= halfSpan)
        return std::fabs(length(q) - r);
    const Vec end = polar(angle > 0 ? halfSpan : -halfSpan, r);
    return length(q - end);
}

float sdHeart(Vec p, Vec centre, float size) {
    // A unit heart has its tip at the origin, y up, 1.207 wide and 1.104 high.
    const float s = size / 1.207f;
    Vec q = {std::fabs(p.x - centre.x) / s, -(p.y - centre.y) / s + 0.552f};
    const auto dot2 = [](Vec a) { return dot(a, a); };
    if (q.y + q.x > 1.0f)
        return (std::sqrt(dot2(q - Vec{0.25f, 0.75f})) - 0.35355339f) * s;
    const float m = 0.5f * std::max(q.x + q.y, 0.0f);
    const float d = std::sqrt(std::min(dot2(q - Vec{0.0f, 1.0f}), dot2(q - Vec{m, m})));
    return d * (q.x - q.y > 0 ? 1.0f : -1.0f) * s;
}

float valueNoise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const float tx = x - fx, ty = y - fy;
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const float a = latticeValue(ix, iy, seed), b = latticeValue(ix + 1, iy, seed);
    const float c = latticeValue(ix, iy + 1, seed), d = latticeValue(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float fractalNoise(float x, float y, std::uint32_t seed) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int octave = 0; octave < 4; octave++) {
        sum += valueNoise(x, y, seed + std::uint32_t(octave) * 101u) * amplitude;
        total += amplitude;
        x *= 2.03f, y *= 2.03f, amplitude *= 0.5f;
    }
    return sum / total;
}

} // namespace gen
