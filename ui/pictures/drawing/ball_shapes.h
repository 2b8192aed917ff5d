#pragma once
// The three ball shapes (sphere, diagonal cone, tilted ring), ray-cast in
// object space and painted with a design. Because a design is a function of
// the object-space point, the small picture of a design is the same ball drawn
// at fewer pixels, not a blurred copy.

#include "shading.h"

#include <QImage>
#include <QSize>
#include <functional>

namespace tumbaro::drawing {

enum class Shape { Sphere, Cone, Ring };

// Where a view ray meets the ball, in the ball's own frame.
struct Surface {
    Vec3 local;          // object-space point, roughly within [-1, 1]
    Vec3 normal;         // view-space normal (x right, y down, z to the viewer)
    double around = 0;   // angle round the shape's axis, -pi..pi
    double along = 0;    // sphere: latitude; cone: 0 at the tip, 1 at the base; ring: angle round the tube
    bool cap = false;    // the cone's flat base
};

struct Material {
    Rgb albedo;
    double specular = 0.35;  // strength of the highlight
    double shininess = 24;   // its tightness
};

using Design = std::function<Material(const Surface&)>;

// Draws one ball on pure white: the silhouette is hard (never blended with the
// white surround) and its rim pixels are darkened, so it sits cleanly on any
// background once white is made transparent. `scale` below 1 shrinks the ball
// about the picture's centre (the pressed button looks).
QImage RenderBall(Shape shape, QSize size, const Design& design, double scale = 1.0);

// The same ball for a screen of `density` device pixels per pixel: `size` is
// the picture's size in pixels as the window lays it out, the result is
// `density` times as large, in Format_ARGB32 with a transparent surround and
// edges smoothed by the part of each device pixel the ball covers. The dark
// rim is kept, one layout pixel wide and soft.
QImage RenderSmoothBall(Shape shape, QSize size, const Design& design, int density, double scale = 1.0);

// RenderBall at density 1, RenderSmoothBall above it.
inline QImage RenderBallAt(int density, Shape shape, QSize size, const Design& design, double scale = 1.0)
{
    return density == 1 ? RenderBall(shape, size, design, scale) : RenderSmoothBall(shape, size, design, density, scale);
}

} // namespace tumbaro::drawing
