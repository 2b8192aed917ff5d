#include "ball_shapes.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tumbaro::drawing {

namespace {

struct Hit {
    Surface surface;
};

// Tilted so the sphere's patterns run obliquely, as on a ball that lies at rest.
Vec3 SphereLocal(Vec3 n)
{
    const double a = 0.45, b = -0.35;
    const Vec3 r1{n.x, n.y * std::cos(a) - n.z * std::sin(a), n.y * std::sin(a) + n.z * std::cos(a)};
    return {r1.x * std::cos(b) - r1.y * std::sin(b), r1.x * std::sin(b) + r1.y * std::cos(b), r1.z};
}

std::optional<Hit> HitSphere(double x, double y)
{
    const double rr = x * x + y * y;
    if (rr >= 1.0)
        return std::nullopt;
    const Vec3 n{x, y, std::sqrt(1.0 - rr)};
    Hit hit;
    hit.surface.normal = n;
    hit.surface.local = SphereLocal(n);
    hit.surface.around = std::atan2(hit.surface.local.x, hit.surface.local.z);
    hit.surface.along = std::asin(std::clamp(-hit.surface.local.y, -1.0, 1.0));
    return hit;
}

// The cone lies with its tip to the upper left and its base to the lower right,
// turned a little towards the viewer so the round base shows.
struct ConeFrame {
    Vec3 apex{-1.0, -1.0, -0.45};
    Vec3 axis = Normalized({1.0, 1.0, 0.62});
    double height = 2.45;
    double radius = 0.78;
    Vec3 e1 = Normalized(Cross(axis, {0, 0, 1}));
    Vec3 e2 = Cross(axis, e1);
};

const ConeFrame& Cone()
{
    static const ConeFrame frame;
    return frame;
}

Surface ConeSurface(Vec3 w, Vec3 normal, bool cap)
{
    const ConeFrame& c = Cone();
    const double s = Dot(w, c.axis);
    const double a1 = Dot(w, c.e1), a2 = Dot(w, c.e2);
    Surface surface;
    surface.normal = normal;
    surface.cap = cap;
    surface.along = s / c.height;
    surface.around = std::atan2(a2, a1);
    surface.local = {surface.along * 2.0 - 1.0, a1 / c.radius, a2 / c.radius};
    return surface;
}

std::optional<Hit> HitCone(double x, double y)
{
    const ConeFrame& c = Cone();
    const Vec3 w0 = Vec3{x, y, 0} - c.apex;
    const double m = c.height * c.height / (c.height * c.height + c.radius * c.radius);
    const double wa = Dot(w0, c.axis), az = c.axis.z;
    const double qa = az * az - m;
    const double qb = 2.0 * (wa * az - m * w0.z);
    const double qc = wa * wa - m * Dot(w0, w0);
    double bestT = -1e9;
    std::optional<Hit> best;
    const double disc = qb * qb - 4.0 * qa * qc;
    if (disc >= 0 && std::abs(qa) > 1e-12) {
        const double root = std::sqrt(disc);
        for (double t : {(-qb - root) / (2.0 * qa), (-qb + root) / (2.0 * qa)}) {
            const Vec3 w = w0 + Vec3{0, 0, t};
            const double s = Dot(w, c.axis);
            if (s < 0 || s > c.height || t <= bestT)
                continue;
            const Vec3 normal = Normalized(w * m - c.axis * s);
            if (normal.z <= 0)
                continue;
            bestT = t;
            best = Hit{ConeSurface(w, normal, false)};
        }
    }
    const double tCap = (c.height - wa) / az;
    const Vec3 wCap = w0 + Vec3{0, 0, tCap};
    if (tCap > bestT && Length(wCap - c.axis * c.height) <= c.radius)
        best = Hit{ConeSurface(wCap, c.axis, true)};
    return best;
}

// A ring seen slightly from above: its axis leans back from the viewer.
struct RingFrame {
    Vec3 axis = Normalized({0.0, -0.62, 1.0});
    Vec3 e1{1, 0, 0};
    Vec3 e2 = Cross(axis, e1);
    double major = 1.0;
    double minor = 0.4;
};

const RingFrame& Ring()
{
    static const RingFrame frame;
    return frame;
}

double RingDistance(Vec3 p)
{
    const RingFrame& r = Ring();
    const double h = Dot(p, r.axis);
    const double radial = Length(p - r.axis * h);
    const double dr = radial - r.major;
    return std::sqrt(dr * dr + h * h) - r.minor;
}

std::optional<Hit> HitRing(double x, double y)
{
    const RingFrame& r = Ring();
    double z = 2.0;
    bool found = false;
    for (int step = 0; step < 400 && z > -2.0; ++step) {
        const double d = RingDistance({x, y, z});
        if (d < 1e-7) {
            found = true;
            break;
        }
        z -= std::max(d, 1e-5);
    }
    if (!found)
        return std::nullopt;
    const Vec3 p{x, y, z};
    const double h = Dot(p, r.axis);
    const Vec3 inPlane = p - r.axis * h;
    const Vec3 core = Normalized(inPlane) * r.major;
    Hit hit;
    hit.surface.normal = Normalized(p - core);
    if (hit.surface.normal.z <= 0)
        return std::nullopt;
    hit.surface.around = std::atan2(Dot(p, r.e2), Dot(p, r.e1));
    hit.surface.along = std::atan2(h, Length(inPlane) - r.major);
    hit.surface.local = {Dot(p, r.e1), h / r.minor, Dot(p, r.e2)};
    return hit;
}

std::optional<Hit> HitShape(Shape shape, double x, double y)
{
    switch (shape) {
    case Shape::Sphere: return HitSphere(x, y);
    case Shape::Cone: return HitCone(x, y);
    case Shape::Ring: return HitRing(x, y);
    }
    return std::nullopt;
}

struct Bounds {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

// The silhouette's extent, found once by sampling, so each shape fills its
// picture whatever the shape's own proportions.
Bounds ShapeBounds(Shape shape)
{
    static std::array<std::optional<Bounds>, 3> cache;
    auto& slot = cache[static_cast<int>(shape)];
    if (slot)
        return *slot;
    Bounds b;
    constexpr int Samples = 500;
    for (int j = 0; j < Samples; ++j)
        for (int i = 0; i < Samples; ++i) {
            const double x = -2.5 + 5.0 * (i + 0.5) / Samples;
            const double y = -2.5 + 5.0 * (j + 0.5) / Samples;
            if (HitShape(shape, x, y)) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
        }
    slot = b;
    return b;
}

Rgb Shade(const Material& m, Vec3 n)
{
    const Vec3 light = Normalized({-0.55, -0.65, 0.75});
    const Vec3 half = Normalized(light + Vec3{0, 0, 1});
    const double diffuse = std::max(0.0, Dot(n, light));
    const double highlight = std::pow(std::max(0.0, Dot(n, half)), m.shininess) * m.specular;
    const double rim = 0.82 + 0.18 * n.z;  // a touch darker towards the silhouette
    return m.albedo * ((0.42 + 0.68 * diffuse) * rim) + Rgb{highlight, highlight, highlight};
}

// Where a picture of `size` (layout pixels, at `density` device pixels per
// pixel) looks into the scene: the same framing for every density.
struct Framing {
    double cx, cy, unitsPerPixel, midX, midY;
    std::pair<double, double> ToScene(double px, double py) const
    {
        return {cx + (px - midX) * unitsPerPixel, cy + (py - midY) * unitsPerPixel};
    }
};

Framing FrameOf(Shape shape, QSize size, int density, double scale)
{
    const Bounds b = ShapeBounds(shape);
    return {(b.left + b.right) / 2.0, (b.top + b.bottom) / 2.0,
            std::max((b.right - b.left) / (size.width() - 2.4), (b.bottom - b.top) / (size.height() - 2.4)) / scale
                / density,
            size.width() * density / 2.0, size.height() * density / 2.0};
}

} // namespace

QImage RenderSmoothBall(Shape shape, QSize size, const Design& design, int density, double scale)
{
    const Framing frame = FrameOf(shape, size, density, scale);
    const int w = size.width() * density, h = size.height() * density;
    // At least eight samples a layout pixel each way (four by four a device
    // pixel at density 2, fewer at finer ones, whose pixels are drawn while
    // the game waits): the share that hits the ball is its opacity, the mean
    // of their shading its colour.
    const int Samples = (8 + density - 1) / density;
    std::vector<double> coverage(static_cast<size_t>(w * h), 0.0);
    std::vector<Rgb> colour(static_cast<size_t>(w * h));
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            Rgb sum;
            int count = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const auto [x, y] = frame.ToScene(px + (sx + 0.5) / Samples, py + (sy + 0.5) / Samples);
                    if (auto hit = HitShape(shape, x, y)) {
                        sum = sum + Shade(design(hit->surface), hit->surface.normal);
                        ++count;
                    }
                }
            const auto at = static_cast<size_t>(py * w + px);
            coverage[at] = count / double(Samples * Samples);
            if (count)
                colour[at] = sum * (1.0 / count);
        }
    // The rim: darkest where the surround is nearest, fading out one layout
    // pixel inside the silhouette.
    auto covered = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h ? 0.0 : coverage[static_cast<size_t>(y * w + x)];
    };
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            const double alpha = covered(px, py);
            if (alpha <= 0)
                continue;
            double nearest = 1.0;
            for (int dy = -density; dy <= density; ++dy)
                for (int dx = -density; dx <= density; ++dx)
                    if (dx * dx + dy * dy <= density * density)
                        nearest = std::min(nearest, covered(px + dx, py + dy));
            const Rgb c = colour[static_cast<size_t>(py * w + px)] * (1.0 - 0.45 * (1.0 - nearest));
            const QRgb rgb = ToBallPixel(c);
            image.setPixel(px, py, qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), static_cast<int>(std::lround(alpha * 255))));
        }
    return image;
}

QImage RenderBall(Shape shape, QSize size, const Design& design, double scale)
{
    const Bounds b = ShapeBounds(shape);
    const double cx = (b.left + b.right) / 2.0, cy = (b.top + b.bottom) / 2.0;
    // One pixel of white stays round the ball so the bottom-left pixel is
    // always surround.
    const double unitsPerPixel = std::max((b.right - b.left) / (size.width() - 2.4),
                                          (b.bottom - b.top) / (size.height() - 2.4)) / scale;
    const double midX = size.width() / 2.0, midY = size.height() / 2.0;
    auto toScene = [&](double px, double py) {
        return std::pair{cx + (px - midX) * unitsPerPixel, cy + (py - midY) * unitsPerPixel};
    };

    const int w = size.width(), h = size.height();
    std::vector<char> inside(static_cast<size_t>(w * h), 0);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            const auto [x, y] = toScene(px + 0.5, py + 0.5);
            if (!HitShape(shape, x, y))
                continue;
            inside[static_cast<size_t>(py * w + px)] = 1;
            // Smooth the texture inside the ball with 3 x 3 samples; samples
            // that miss are dropped rather than blended with the surround.
            Rgb sum;
            int count = 0;
            for (int sy = 0; sy < 3; ++sy)
                for (int sx = 0; sx < 3; ++sx) {
                    const auto [sxs, sys] = toScene(px + (sx + 0.5) / 3.0, py + (sy + 0.5) / 3.0);
                    if (auto hit = HitShape(shape, sxs, sys)) {
                        sum = sum + Shade(design(hit->surface), hit->surface.normal);
                        ++count;
                    }
                }
            image.setPixel(px, py, ToBallPixel(sum * (1.0 / count)));
        }
    // A dark rim: pixels next to the surround are darkened so the edge reads
    // as an outline instead of a jagged cut.
    QImage out = image.copy();
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            if (!inside[static_cast<size_t>(py * w + px)])
                continue;
            auto outside = [&](int qx, int qy) {
                return qx < 0 || qy < 0 || qx >= w || qy >= h || !inside[static_cast<size_t>(qy * w + qx)];
            };
            if (outside(px - 1, py) || outside(px + 1, py) || outside(px, py - 1) || outside(px, py + 1)) {
                const QRgb c = image.pixel(px, py);
                out.setPixel(px, py, qRgb(qRed(c) * 11 / 20, qGreen(c) * 11 / 20, qBlue(c) * 11 / 20));
            }
        }
    return out;
}

} // namespace tumbaro::drawing
