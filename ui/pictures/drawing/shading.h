#pragma once
// Small deterministic maths for drawing the pictures: vectors, hash noise and
// colour mixing. Everything is a pure function of its inputs (no clock, no
// global random state), so every run draws the same pixels.

#include <QColor>
#include <cmath>
#include <cstdint>

namespace tumbaro::drawing {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
inline Vec3 Normalized(Vec3 a) { return a * (1.0 / Length(a)); }
inline Vec3 Cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Linear RGB-ish colour in 0..1 per channel; converted to 8 bits only at the end.
struct Rgb {
    double r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, double s) { return {a.r * s, a.g * s, a.b * s}; }
inline Rgb Mix(Rgb a, Rgb b, double t) { return a * (1.0 - t) + b * t; }
Rgb Hex(std::uint32_t rgb);

double Clamp01(double v);
double SmoothStep(double edge0, double edge1, double v);

// Lattice value noise in [0, 1], smooth in all three directions.
double ValueNoise(Vec3 p, std::uint32_t seed);
// Sum of octaves of value noise, normalised back to [0, 1].
double Fbm(Vec3 p, int octaves, std::uint32_t seed);
// Absolute-value octaves: sharp creases, the raw stuff of marble veins.
double Turbulence(Vec3 p, int octaves, std::uint32_t seed);
// Distance to the nearest cell border of a jittered 3-D grid (0 on a border):
// webs, cracks and cell patterns.
double CellBorder(Vec3 p, std::uint32_t seed);
// A white-noise value per lattice cell: speckles that stay put when the picture
// is drawn at another size, because they live in object space.
double CellHash(Vec3 p, std::uint32_t seed);

// The 8-bit colour of a ball pixel. Pure white is reserved for the transparent
// surround, so every channel stops at 254.
QRgb ToBallPixel(Rgb c);

} // namespace tumbaro::drawing
