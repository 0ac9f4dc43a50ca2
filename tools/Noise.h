#pragma once

#include <cmath>
#include <cstdint>

// Seeded integer hashing and value noise, our own rather than rand(): the pictures must come
// out byte for byte the same on every run and every C library.
inline uint32_t hash32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

inline uint32_t hash2(int x, int y, uint32_t seed) {
    return hash32(static_cast<uint32_t>(x) ^ hash32(static_cast<uint32_t>(y) ^ hash32(seed)));
}

// A value in [0, 1) for one lattice point.
inline float latticeValue(int x, int y, uint32_t seed) {
    return static_cast<float>(hash2(x, y, seed) >> 8) / 16777216.0f;
}

inline int wrap(int v, int period) {
    return ((v % period) + period) % period;
}

// Value noise on a lattice of `period` by `period` cells spread over u, v in [0, 1): it
// repeats with period 1 in both directions, so a texture made of it tiles without seams.
inline float tiledNoise(float u, float v, int period, uint32_t seed) {
    const float fx = u * static_cast<float>(period);
    const float fy = v * static_cast<float>(period);
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const float tx = fx - static_cast<float>(ix);
    const float ty = fy - static_cast<float>(iy);
    const float sx = tx * tx * (3.0f - 2.0f * tx);
    const float sy = ty * ty * (3.0f - 2.0f * ty);
    auto corner = [&](int dx, int dy) {
        return latticeValue(wrap(ix + dx, period), wrap(iy + dy, period), seed);
    };
    const float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * sx;
    const float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

// Octaves of doubling frequency and halving weight, normalised back to [0, 1).
inline float tiledFractal(float u, float v, int period, int octaves, uint32_t seed) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * tiledNoise(u, v, period << o, seed + static_cast<uint32_t>(o));
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}
