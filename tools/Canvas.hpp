// Drawing for the asset generator: a floating-point RGBA canvas, shapes given as
// signed distance functions (negative inside, in pixels), and the few ways the art
// puts them down: solid anti-aliased fills, neon strokes and soft glows.
#pragma once

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace gen {

struct Vec {
    float x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, float s) { return {a.x * s, a.y * s}; }
inline float dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline float length(Vec a) { return std::sqrt(dot(a, a)); }
// The unit vector at an angle in degrees, clockwise on screen like SFML's rotations.
inline Vec polar(float degrees, float radius) {
    const float r = degrees * 3.14159265f / 180.0f;
    return {std::cos(r) * radius, std::sin(r) * radius};
}
inline Vec rotate(Vec a, float degrees) {
    const float r = degrees * 3.14159265f / 180.0f, c = std::cos(r), s = std::sin(r);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

// Straight (not premultiplied) colour, channels 0 to 1.
struct Rgb {
    float r = 0, g = 0, b = 0;
};
inline Rgb rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }
inline Rgb mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb scale(Rgb a, float s) { return {a.r * s, a.g * s, a.b * s}; }

inline float clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }
inline float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}
// Anti-aliased coverage of a pixel whose centre lies at signed distance d.
inline float coverage(float d) { return clamp01(0.5f - d); }

// Premultiplied RGBA, one float per channel; composed with "source over".
class Canvas {
public:
    Canvas(int width, int height) : w(width), h(height), px(std::size_t(width) * height * 4, 0.0f) {}

    int width() const { return w; }
    int height() const { return h; }

    void blend(int x, int y, Rgb c, float alpha) {
        if (alpha <= 0)
            return;
        alpha = std::min(alpha, 1.0f);
        float* p = &px[(std::size_t(y) * w + x) * 4];
        const float keep = 1 - alpha;
        p[0] = c.r * alpha + p[0] * keep;
        p[1] = c.g * alpha + p[1] * keep;
        p[2] = c.b * alpha + p[2] * keep;
        p[3] = alpha + p[3] * keep;
    }

    // Straight-colour pixel access, for effects that read back what is drawn.
    float alphaAt(int x, int y) const { return px[(std::size_t(y) * w + x) * 4 + 3]; }
    Rgb colourAt(int x, int y) const;
    void set(int x, int y, Rgb c, float alpha);

    // Multiplies the alpha (and with it the premultiplied colour) of every pixel.
    void fade(float factor);
    // Fades everything within `margin` px of the edges out to nothing, so glows that
    // reach the edge of a frame end softly instead of in a straight cut.
    void fadeBorder(float margin);
    // Draws another canvas over this one with its top-left corner at (x, y).
    void paste(const Canvas& other, int x, int y);
    sf::Image toImage() const;

    // Visits every pixel of the canvas (or of a clipped rectangle) with its centre.
    template <class F> void forEach(F f, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) {
        if (x1 < 0) x1 = w;
        if (y1 < 0) y1 = h;
        x0 = std::max(0, x0), y0 = std::max(0, y0), x1 = std::min(w, x1), y1 = std::min(h, y1);
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++)
                f(x, y, Vec{x + 0.5f, y + 0.5f});
    }

private:
    int w, h;
    std::vector<float> px;
};

// ---- Signed distances of the shapes the art is made of -------------------------

inline float sdCircle(Vec p, Vec centre, float radius) { return length(p - centre) - radius; }

// A box given by its centre and half size, with rounded corners.
inline float sdBox(Vec p, Vec centre, Vec half, float corner = 0) {
    const Vec q = {std::fabs(p.x - centre.x) - half.x + corner, std::fabs(p.y - centre.y) - half.y + corner};
    const Vec outside = {std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
    return length(outside) + std::min(std::max(q.x, q.y), 0.0f) - corner;
}

// A stroke from a to b with round ends.
inline float sdSegment(Vec p, Vec a, Vec b, float halfWidth) {
    const Vec pa = p - a, ba = b - a;
    const float t = clamp01(dot(pa, ba) / std::max(dot(ba, ba), 1e-6f));
    return length(pa - ba * t) - halfWidth;
}

// Any simple polygon, corners in order.
float sdPolygon(Vec p, const std::vector<Vec>& corners);

// A regular polygon with a corner at `turn` degrees.
std::vector<Vec> regularPolygon(Vec centre, float radius, int sides, float turn);

// Distance to a circular arc of radius r around c, facing `facing` degrees and
// spanning `halfSpan` degrees to either side.
float sdArc(Vec p, Vec c, float r, float facing, float halfSpan);

// A heart centred near `centre`, `size` pixels across.
float sdHeart(Vec p, Vec centre, float size);

// The band of half width `halfWidth` around the outline of a shape.
inline float outline(float d, float halfWidth) { return std::fabs(d) - halfWidth; }

// ---- Putting shapes down ---------------------------------------------------------

// A solid fill of one colour.
template <class Sdf> void fill(Canvas& canvas, Sdf sdf, Rgb colour, float alpha = 1) {
    canvas.forEach([&](int x, int y, Vec p) { canvas.blend(x, y, colour, coverage(sdf(p)) * alpha); });
}

// A fill whose colour and opacity depend on the point: shade(p) returns {colour, alpha}.
struct Shade {
    Rgb colour;
    float alpha;
};
template <class Sdf, class Shader> void fillShaded(Canvas& canvas, Sdf sdf, Shader shade) {
    canvas.forEach([&](int x, int y, Vec p) {
        const float c = coverage(sdf(p));
        if (c <= 0)
            return;
        const Shade s = shade(p);
        canvas.blend(x, y, s.colour, c * s.alpha);
    });
}

// Light that falls off outside a shape: strength at its edge, 1/e of it `reach` pixels out.
template <class Sdf> void glow(Canvas& canvas, Sdf sdf, Rgb colour, float strength, float reach) {
    canvas.forEach([&](int x, int y, Vec p) {
        const float d = std::max(0.0f, sdf(p));
        canvas.blend(x, y, colour, strength * std::exp(-d / reach));
    });
}

// The neon look: a soft halo, a coloured tube and a pale hot core along an outline.
struct Neon {
    Rgb colour;
    float halfWidth = 3;  // of the coloured tube, pixels
    float halo = 0.55f;   // halo opacity at the tube
    float reach = 6;      // halo falloff, pixels
    float core = 0.45f;   // core width as a fraction of the tube
    float whiten = 0.75f; // how close to white the core gets
};
template <class Sdf> void neon(Canvas& canvas, Sdf shapeOutline, const Neon& n) {
    glow(canvas, [&](Vec p) { return shapeOutline(p) - n.halfWidth; }, n.colour, n.halo, n.reach);
    fill(canvas, [&](Vec p) { return shapeOutline(p) - n.halfWidth; }, n.colour);
    fill(canvas, [&](Vec p) { return shapeOutline(p) - n.halfWidth * n.core; },
         mix(n.colour, Rgb{1, 1, 1}, n.whiten));
}

} // namespace gen
