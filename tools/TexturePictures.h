#pragma once

#include <cmath>

#include "tools/Canvas.h"
#include "tools/Noise.h"

// The textures a user can lay on the 3D patches. All repeat without seams, since the
// patches' texture coordinates may run past 1 and wrapping is left at GL_REPEAT.

constexpr float kPi = 3.14159265f;

inline float fraction(float v) {
    return v - std::floor(v);
}

// Eight by eight squares: the plainest way to see how a patch stretches its texture.
inline Canvas drawChecker() {
    Canvas c(128, 128);
    const Colour light = rgb255(238, 234, 220);
    const Colour dark = rgb255(36, 84, 156);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x)
            c.set(x, y, ((x / 16 + y / 16) % 2 == 0) ? light : dark);
    }
    return c;
}

// Courses of 16 pixels, bricks of 32 in running bond; each brick has its own shade.
inline Canvas drawBricks() {
    Canvas c(128, 128);
    const Colour mortar = rgb255(186, 180, 168);
    const Colour brick = rgb255(152, 62, 40);
    for (int y = 0; y < c.height; ++y) {
        const int course = y / 16;
        const int inCourseY = y % 16;
        for (int x = 0; x < c.width; ++x) {
            const int shifted = x + (course % 2) * 16;
            const int inBrickX = shifted % 32;
            const int brickIndex = (shifted / 32) % 4;
            const float grain = latticeValue(x, y, 7u) - 0.5f;
            if (inCourseY < 2 || inBrickX < 2) {
                c.set(x, y, scaled(mortar, 1.0f + 0.12f * grain));
                continue;
            }
            const float shade = 0.8f + 0.35f * latticeValue(brickIndex, course, 11u);
            float edge = 1.0f;
            if (inCourseY == 2 || inBrickX == 2) edge = 1.15f;  // lit upper-left rim
            if (inCourseY == 15 || inBrickX == 31) edge = 0.75f;
            c.set(x, y, scaled(brick, shade * edge * (1.0f + 0.25f * grain)));
        }
    }
    return c;
}

// White stone with grey-green veins: a sine band bent by fractal noise. The band's slope
// is a whole number of periods across the picture, so the veins continue over the seams.
inline Canvas drawMarble() {
    Canvas c(256, 256);
    const Colour stone = rgb255(236, 233, 226);
    const Colour vein = rgb255(78, 96, 92);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const float u = static_cast<float>(x) / 256.0f;
            const float v = static_cast<float>(y) / 256.0f;
            const float turbulence = tiledFractal(u, v, 4, 5, 21u);
            const float band = std::sin(2.0f * kPi * (2.0f * u + v) + 9.0f * turbulence);
            const float clear = std::pow(std::fabs(band), 0.3f);
            const float cloud = tiledFractal(u, v, 8, 3, 33u);
            c.set(x, y, scaled(mix(vein, stone, clear), 0.92f + 0.1f * cloud));
        }
    }
    return c;
}

// Growth rings seen along a plank, with fine streaks of grain running the same way.
inline Canvas drawWood() {
    Canvas c(128, 128);
    const Colour early = rgb255(214, 164, 104);
    const Colour late = rgb255(136, 82, 42);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const float u = static_cast<float>(x) / 128.0f;
            const float v = static_cast<float>(y) / 128.0f;
            const float ring = fraction(6.0f * v + 1.2f * tiledFractal(u, v, 3, 4, 5u));
            const float dark =
                smoothstep(0.55f, 0.95f, ring) * (1.0f - smoothstep(0.95f, 1.0f, ring));
            const float streak = tiledNoise(u, 8.0f * v, 4, 9u);
            c.set(x, y, scaled(mix(early, late, dark), 0.86f + 0.25f * streak));
        }
    }
    return c;
}

// Sky above, ground below and a sun up to the right, in the layout of a sphere map: the
// centre of the disc reflects straight back to the viewer, its rim the view behind the
// object. Outside the disc is the colour of that rim, so filtering at the edge adds no seam.
inline Colour environmentColour(float rx, float ry, float rz) {
    const Colour zenith = rgb255(34, 86, 178);
    const Colour horizon = rgb255(206, 224, 242);
    const Colour nearGround = rgb255(150, 138, 104);
    const Colour farGround = rgb255(66, 88, 50);
    Colour sky = ry >= 0.0f ? mix(horizon, zenith, std::pow(ry, 0.6f))
                            : mix(nearGround, farGround, std::pow(-ry, 0.5f));
    if (ry < 0.0f) sky = mix(sky, horizon, 0.6f * std::exp(12.0f * ry));  // haze far away
    const float sx = 0.48f, sy = 0.56f, sz = 0.675f;  // unit vector towards the sun
    const float facing = rx * sx + ry * sy + rz * sz;
    const float glow =
        0.6f * std::exp(40.0f * (facing - 1.0f)) + std::exp(900.0f * (facing - 1.0f));
    const Colour sun = rgb255(255, 246, 214);
    return mix(sky, sun, clamp01(glow));
}

inline Canvas drawEnvironmentMap() {
    Canvas c(256, 256);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            // Texture t grows upwards while canvas rows grow downwards.
            const float px = (static_cast<float>(x) + 0.5f) / 128.0f - 1.0f;
            const float py = 1.0f - (static_cast<float>(y) + 0.5f) / 128.0f;
            const float r2 = px * px + py * py;
            if (r2 >= 1.0f) {
                c.set(x, y, environmentColour(0.0f, 0.0f, -1.0f));
                continue;
            }
            // The disc point's normal reflects the view direction (0, 0, 1).
            const float nz = std::sqrt(1.0f - r2);
            c.set(x, y, environmentColour(2.0f * nz * px, 2.0f * nz * py, 2.0f * nz * nz - 1.0f));
        }
    }
    return c;
}
