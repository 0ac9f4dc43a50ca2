#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// Pictures are painted in floating point and quantised once at the end, so that blends of
// several layers do not pile up rounding.
struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

inline Colour mix(const Colour& a, const Colour& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Colour scaled(const Colour& c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

inline Colour rgb255(int r, int g, int b) {
    return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f,
            static_cast<float>(b) / 255.0f};
}

inline float clamp01(float v) {
    return std::min(1.0f, std::max(0.0f, v));
}

inline float smoothstep(float edge0, float edge1, float x) {
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

// A picture with y growing downwards, as one draws it; rows are turned round only when the
// bytes of a file are made, whose first row is the bottom one.
class Canvas {
  public:
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h)) {}

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    Colour at(int x, int y) const { return pixels[index(x, y)]; }

    void set(int x, int y, const Colour& c) {
        if (contains(x, y)) pixels[index(x, y)] = c;
    }

    // Lays `c` over the pixel with coverage `alpha` (0 leaves it, 1 replaces it).
    void blend(int x, int y, const Colour& c, float alpha) {
        if (contains(x, y)) pixels[index(x, y)] = mix(pixels[index(x, y)], c, clamp01(alpha));
    }

    void fillRect(int x0, int y0, int w, int h, const Colour& c) {
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x)
                set(x, y, c);
        }
    }

    // Red-first bytes, bottom row first, each channel rounded to the nearest step.
    std::vector<uint8_t> bottomUpRgb() const {
        std::vector<uint8_t> out;
        out.reserve(pixels.size() * 3);
        for (int y = height - 1; y >= 0; --y) {
            for (int x = 0; x < width; ++x) {
                const Colour& c = pixels[index(x, y)];
                out.push_back(toByte(c.r));
                out.push_back(toByte(c.g));
                out.push_back(toByte(c.b));
            }
        }
        return out;
    }

    const int width;
    const int height;

  private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * width + x); }
    static uint8_t toByte(float v) {
        return static_cast<uint8_t>(std::lround(clamp01(v) * 255.0f));
    }

    std::vector<Colour> pixels;
};
