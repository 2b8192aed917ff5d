#include "shading.h"

#include <algorithm>

namespace tumbaro::drawing {

Rgb Hex(std::uint32_t rgb)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double SmoothStep(double edge0, double edge1, double v)
{
    const double t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

namespace {

std::uint32_t HashInts(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h = (h << 11) | (h >> 21);
    h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double Unit(std::uint32_t h) { return (h & 0xFFFFFF) / double(0xFFFFFF); }

double Fade(double t) { return t * t * (3.0 - 2.0 * t); }

} // namespace

double ValueNoise(Vec3 p, std::uint32_t seed)
{
    const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy),
               iz = static_cast<std::int32_t>(fz);
    const double tx = Fade(p.x - fx), ty = Fade(p.y - fy), tz = Fade(p.z - fz);
    auto corner = [&](int dx, int dy, int dz) { return Unit(HashInts(ix + dx, iy + dy, iz + dz, seed)); };
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    const double x00 = lerp(corner(0, 0, 0), corner(1, 0, 0), tx);
    const double x10 = lerp(corner(0, 1, 0), corner(1, 1, 0), tx);
    const double x01 = lerp(corner(0, 0, 1), corner(1, 0, 1), tx);
    const double x11 = lerp(corner(0, 1, 1), corner(1, 1, 1), tx);
    return lerp(lerp(x00, x10, ty), lerp(x01, x11, ty), tz);
}

double Fbm(Vec3 p, int octaves, std::uint32_t seed)
{
    double sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(p, seed + i * 101u) * amplitude;
        total += amplitude;
        amplitude *= 0.5;
        p = p * 2.03;
    }
    return sum / total;
}

double Turbulence(Vec3 p, int octaves, std::uint32_t seed)
{
    double sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += std::abs(ValueNoise(p, seed + i * 131u) * 2.0 - 1.0) * amplitude;
        total += amplitude;
        amplitude *= 0.5;
        p = p * 2.07;
    }
    return sum / total;
}

double CellBorder(Vec3 p, std::uint32_t seed)
{
    const auto ix = static_cast<std::int32_t>(std::floor(p.x));
    const auto iy = static_cast<std::int32_t>(std::floor(p.y));
    const auto iz = static_cast<std::int32_t>(std::floor(p.z));
    double nearest = 1e9, second = 1e9;
    for (int dz = -1; dz <= 1; ++dz)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const std::uint32_t h = HashInts(ix + dx, iy + dy, iz + dz, seed);
                const Vec3 site{ix + dx + Unit(h), iy + dy + Unit(h * 747796405u + 1u),
                                iz + dz + Unit(h * 2891336453u + 7u)};
                const double d = Length(site - p);
                if (d < nearest) {
                    second = nearest;
                    nearest = d;
                } else if (d < second) {
                    second = d;
                }
            }
    return second - nearest;
}

double CellHash(Vec3 p, std::uint32_t seed)
{
    return Unit(HashInts(static_cast<std::int32_t>(std::floor(p.x)), static_cast<std::int32_t>(std::floor(p.y)),
                         static_cast<std::int32_t>(std::floor(p.z)), seed));
}

QRgb ToBallPixel(Rgb c)
{
    auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 254); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

} // namespace tumbaro::drawing
