#pragma once
// The eight designs of each scheme, in list order, and the three looks of the
// scheme buttons. Index k of a scheme is the ball of board value k.

#include "ball_shapes.h"

#include <vector>

namespace tumbaro::drawing {

struct SchemeDesigns {
    Shape shape;
    std::vector<Design> designs;  // exactly eight
};

// scheme: 1 spheres, 2 cones, 3 rings.
SchemeDesigns DesignsOfScheme(int scheme);

// The released look of a scheme button: its scheme's shape in a design of its
// own (a globe, a blue marbled cone, a carved ring), never one of the eight.
Design SchemeButtonDesign(int scheme);
Shape ShapeOfScheme(int scheme);

} // namespace tumbaro::drawing
