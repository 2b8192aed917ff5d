#include "ball_designs.h"

#include <numbers>

namespace tumbaro::drawing {

namespace {

constexpr double Pi = std::numbers::pi;

double Frac(double v) { return v - std::floor(v); }

Material Glossy(Rgb c, double specular = 0.55, double shininess = 40) { return {c, specular, shininess}; }
Material Matte(Rgb c) { return {c, 0.18, 14}; }

// Speckles that sit at fixed places in object space.
double Speckle(Vec3 p, double frequency, double threshold, std::uint32_t seed)
{
    return SmoothStep(threshold, threshold + 0.06, ValueNoise(p * frequency, seed));
}

double Marble(Vec3 p, Vec3 direction, double frequency, double swirl, std::uint32_t seed)
{
    return 0.5 + 0.5 * std::sin(Dot(p, direction) * frequency + Turbulence(p * 1.6, 5, seed) * swirl);
}

// Two strands per tile, tiles alternating horizontal and vertical: the over
// and under of a basket.
struct Weave {
    bool onStrand;
    bool horizontal;
    double shade;  // 0 at a strand's edge, 1 along its middle
};

Weave BasketWeave(double u, double v)
{
    const double fu = Frac(u), fv = Frac(v);
    const bool horizontal = (static_cast<long>(std::floor(u)) + static_cast<long>(std::floor(v))) % 2 == 0;
    const double across = Frac((horizontal ? fv : fu) * 2.0);  // position across one of the two strands
    const double edge = std::min(across, 1.0 - across);
    const double end = std::min(horizontal ? fu : fv, 1.0 - (horizontal ? fu : fv));
    return {edge > 0.09, horizontal, SmoothStep(0.0, 0.35, edge) * (0.75 + 0.25 * SmoothStep(0.0, 0.2, end))};
}

std::vector<Design> Spheres()
{
    return {
        // 0: silver-white with a dark red line looping round it.
        [](const Surface& s) {
            const double sky = 0.5 - 0.5 * s.normal.y;
            Rgb c = Mix(Hex(0x7C8696), Hex(0xE6EAF0), SmoothStep(0.35, 0.6, sky));
            const double seam = std::abs(s.along - 0.55 * std::sin(2.0 * s.around));
            c = Mix(c, Hex(0x8E0E16), 1.0 - SmoothStep(0.07, 0.11, seam));
            return Glossy(c, 0.8, 60);
        },
        // 1: gold and dark brown checkerboard.
        [](const Surface& s) {
            const long i = static_cast<long>(std::floor((s.around + Pi) / (Pi / 4)));
            const long j = static_cast<long>(std::floor((s.along + Pi / 2) / (Pi / 6)));
            return Glossy((i + j) % 2 == 0 ? Hex(0xE0AC24) : Hex(0x4A2610), 0.5, 30);
        },
        // 2: slate blue with small gold flecks.
        [](const Surface& s) {
            Rgb c = Mix(Hex(0x4C5F92), Hex(0x6478AC), Fbm(s.local * 3.0, 3, 21));
            return Glossy(Mix(c, Hex(0xF2C83C), Speckle(s.local, 13.0, 0.8, 22)), 0.45, 30);
        },
        // 3: dark green, mottled.
        [](const Surface& s) {
            const double m = SmoothStep(0.3, 0.7, Fbm(s.local * 3.2, 4, 31));
            return Matte(Mix(Hex(0x0B3A16), Hex(0x3E8A3A), m));
        },
        // 4: white, speckled with rust brown.
        [](const Surface& s) {
            const Rgb c = Mix(Hex(0xFAF2DC), Hex(0xEEDCBC), Fbm(s.local * 4.0, 3, 41));
            return Glossy(Mix(c, Hex(0xA3461A), Speckle(s.local, 9.0, 0.68, 42)), 0.4, 30);
        },
        // 5: smooth bright green, shading to blue at the top.
        [](const Surface& s) {
            return Glossy(Mix(Hex(0x3CDC32), Hex(0x1E5AE6), SmoothStep(-0.25, 0.75, -s.normal.y)), 0.7, 50);
        },
        // 6: dark, wrapped in a red and grey basket weave.
        [](const Surface& s) {
            const Weave w = BasketWeave((s.around + Pi) * 6.0 / Pi, (s.along + Pi / 2) * 5.0 / Pi);
            if (!w.onStrand)
                return Matte(Hex(0x1C1416));
            const Rgb strand = w.horizontal ? Hex(0xC41E24) : Hex(0x9A9AA2);
            return Glossy(Mix(Hex(0x24181A), strand, w.shade), 0.3, 20);
        },
        // 7: smooth pink.
        [](const Surface&) { return Glossy(Hex(0xF070B0), 0.6, 45); },
    };
}

std::vector<Design> Cones()
{
    return {
        // 0: black with a grey web of lines.
        [](const Surface& s) {
            const double web = 1.0 - SmoothStep(0.03, 0.09, CellBorder(s.local * 2.4, 51));
            return Glossy(Mix(Hex(0x121214), Hex(0x9A9AA0), web), 0.5, 40);
        },
        // 1: white and grey speckled, like granite.
        [](const Surface& s) {
            Rgb c = Mix(Hex(0xF2F2EE), Hex(0xA4A4A2), SmoothStep(0.45, 0.6, ValueNoise(s.local * 7.0, 61)));
            c = Mix(c, Hex(0x3C3C40), Speckle(s.local, 12.0, 0.78, 62));
            return Glossy(c, 0.45, 35);
        },
        // 2: ochre gold, mottled.
        [](const Surface& s) {
            const double m = SmoothStep(0.3, 0.72, Fbm(s.local * 3.0, 4, 71));
            return Glossy(Mix(Hex(0xB08008), Hex(0xF8D040), m), 0.5, 30);
        },
        // 3: red with a large pink and white marbled patch.
        [](const Surface& s) {
            const Vec3 centre{0.25, 0.0, -0.85};
            const double reach = Length(s.local - centre) + (Fbm(s.local * 2.5, 3, 81) - 0.5) * 0.6;
            const double patch = 1.0 - SmoothStep(0.72, 0.8, reach);
            const double vein = Marble(s.local, Normalized({1, 0.6, 0.3}), 7.0, 7.0, 82);
            const Rgb marble = Mix(Hex(0xF2A0B6), Hex(0xFAF2F2), SmoothStep(0.55, 0.9, vein));
            return Glossy(Mix(Hex(0xC0141C), marble, patch), 0.55, 40);
        },
        // 4: light brown wood grain.
        [](const Surface& s) {
            const double r = std::sqrt(s.local.y * s.local.y + (s.local.z + 0.3) * (s.local.z + 0.3));
            const double ring = Frac(r * 5.0 + Fbm(s.local * 2.0, 3, 91) * 1.6);
            const double grain = SmoothStep(0.0, 0.25, ring) * (1.0 - SmoothStep(0.55, 0.95, ring));
            return Matte(Mix(Hex(0x7E4A22), Hex(0xE2B884), grain));
        },
        // 5: blue and white marbled.
        [](const Surface& s) {
            const double vein = Marble(s.local, Normalized({1, 1, 0}), 4.5, 9.0, 101);
            return Glossy(Mix(Hex(0x1A46B0), Hex(0xF0F4FC), SmoothStep(0.45, 0.85, vein)), 0.6, 45);
        },
        // 6: black and white checkerboard.
        [](const Surface& s) {
            const long i = static_cast<long>(std::floor((s.around + Pi) * 8.0 / (2 * Pi)));
            const long j = s.cap ? static_cast<long>(std::floor(Length({0, s.local.y, s.local.z}) * 2.0)) + 9
                                 : static_cast<long>(std::floor(s.along * 5.0));
            return Glossy((i + j) % 2 == 0 ? Hex(0x141414) : Hex(0xF2F2F2), 0.5, 40);
        },
        // 7: dark grey with pale green woven bands.
        [](const Surface& s) {
            const double t = s.cap ? 0.5 + Length({0, s.local.y, s.local.z}) * 0.45 : s.along;
            const double inBand = Frac(t * 4.0);
            if (inBand < 0.45) {
                // Two green strands twisted over each other inside the band.
                const double twist = Frac((s.around + Pi) * 7.0 / (2 * Pi) + inBand * 2.2);
                const double shade = 0.55 + 0.45 * std::sin(twist * Pi);
                const double edge = SmoothStep(0.0, 0.08, std::min(inBand, 0.45 - inBand));
                return Glossy(Mix(Hex(0x2E3034), Hex(0xB4E8B0) * shade, edge), 0.35, 25);
            }
            return Glossy(Mix(Hex(0x34363A), Hex(0x4A4C52), Fbm(s.local * 5.0, 2, 111)), 0.35, 25);
        },
    };
}

std::vector<Design> Rings()
{
    return {
        // 0: red, marbled with pink and white.
        [](const Surface& s) {
            const double vein = Marble(s.local, Normalized({1, 0.4, 0.8}), 5.0, 8.0, 121);
            Rgb c = Mix(Hex(0xC0121C), Hex(0xF094A8), SmoothStep(0.5, 0.75, vein));
            c = Mix(c, Hex(0xFAF0F0), SmoothStep(0.86, 0.96, vein));
            return Glossy(c, 0.55, 40);
        },
        // 1: black, with thin white circles and four white cross bars.
        [](const Surface& s) {
            const double circle = std::abs(std::sin(1.5 * s.along));  // lines following the ring
            const double bar = std::abs(std::sin(2.0 * s.around));     // four bars across the tube
            const double white = std::max(1.0 - SmoothStep(0.10, 0.2, circle), 1.0 - SmoothStep(0.12, 0.22, bar));
            return Glossy(Mix(Hex(0x101012), Hex(0xF2F2F2), white), 0.5, 45);
        },
        // 2: white, speckled with brown.
        [](const Surface& s) {
            const Rgb c = Mix(Hex(0xF8F6F0), Hex(0xE2DCD2), Fbm(s.local * 4.0, 2, 131));
            return Glossy(Mix(c, Hex(0x6A3A1C), Speckle(s.local, 8.0, 0.72, 132)), 0.4, 30);
        },
        // 3: gold, mottled.
        [](const Surface& s) {
            const double m = SmoothStep(0.3, 0.7, Fbm(s.local * 2.6, 4, 141));
            return Glossy(Mix(Hex(0xA87010), Hex(0xF4CC40), m), 0.75, 50);
        },
        // 4: dark grey, with pale green bands.
        [](const Surface& s) {
            const double band = Frac((s.around + Pi) * 8.0 / (2 * Pi));
            const double green = SmoothStep(0.0, 0.06, band) * (1.0 - SmoothStep(0.36, 0.42, band));
            return Glossy(Mix(Hex(0x404248), Hex(0xB0E8B0), green), 0.4, 30);
        },
        // 5: black and white checkerboard.
        [](const Surface& s) {
            const long i = static_cast<long>(std::floor((s.around + Pi) * 12.0 / (2 * Pi)));
            const long j = static_cast<long>(std::floor((s.along + Pi) * 4.0 / (2 * Pi)));
            return Glossy((i + j) % 2 == 0 ? Hex(0x121212) : Hex(0xF0F0F0), 0.5, 40);
        },
        // 6: light brown, with a carved pattern of chevrons; the groove's far
        // wall catches the light, the near wall is in shadow.
        [](const Surface& s) {
            auto groove = [](double around, double along) {
                const double chevron = Frac((around + Pi) * 10.0 / (2 * Pi) + std::abs(std::sin(along)) * 0.8);
                return std::abs(chevron - 0.5) * 2.0;  // 0 in the middle of a groove
            };
            const double g = groove(s.around, s.along);
            const double slope = groove(s.around + 0.02, s.along) - g;
            Rgb c = Hex(0xCFA06A);
            if (g < 0.35)
                c = c * (slope > 0 ? 0.55 : 1.18);
            return Matte(c);
        },
        // 7: blue and white marbled.
        [](const Surface& s) {
            const double vein = Marble(s.local, Normalized({0.3, 1, 0.7}), 4.0, 10.0, 161);
            return Glossy(Mix(Hex(0x1C3C9C), Hex(0xEEF2FA), SmoothStep(0.4, 0.8, vein)), 0.6, 45);
        },
    };
}

} // namespace

Shape ShapeOfScheme(int scheme)
{
    return scheme == 1 ? Shape::Sphere : scheme == 2 ? Shape::Cone : Shape::Ring;
}

SchemeDesigns DesignsOfScheme(int scheme)
{
    switch (scheme) {
    case 1: return {Shape::Sphere, Spheres()};
    case 2: return {Shape::Cone, Cones()};
    default: return {Shape::Ring, Rings()};
    }
}

Design SchemeButtonDesign(int scheme)
{
    switch (scheme) {
    case 1:  // a globe: yellow-green land, blue seas
        return [](const Surface& s) {
            const double sea = SmoothStep(0.5, 0.56, Fbm(s.local * 1.8, 4, 201));
            return Glossy(Mix(Hex(0xB4D83C), Hex(0x2A62CC), sea), 0.55, 40);
        };
    case 2:  // deep blue marbled with cyan, unlike the blue and white cone
        return [](const Surface& s) {
            const double vein = Marble(s.local, Normalized({1, -0.5, 0.2}), 5.0, 8.0, 211);
            return Glossy(Mix(Hex(0x14327E), Hex(0x6CCCF4), SmoothStep(0.55, 0.9, vein)), 0.6, 45);
        };
    default:  // light brown ring carved with notches across the tube
        return [](const Surface& s) {
            const double notch = std::abs(Frac((s.around + Pi) * 14.0 / (2 * Pi)) - 0.5) * 2.0;
            const double lip = std::abs(std::sin(s.along * 2.0));
            Rgb c = Hex(0xDCB684);
            if (notch < 0.3 && lip > 0.3)
                c = c * 0.6;
            return Matte(c);
        };
    }
}

} // namespace tumbaro::drawing
