#pragma once

#include <cstdint>

#include "raster2d/CircleAlgorithms.h"
#include "raster2d/CurveAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/LineAlgorithms.h"

// The algorithm objects that draw the 2D scene, each with its own colour and stopwatch.
struct Algorithms {
    Algorithms(RasterTarget& raster, int32_t curveSamples)
        : lineAlgo(raster, {1.0f, 1.0f, 0.0f}),
          circleAlgo(raster, {0.0f, 1.0f, 0.0f}),
          ellipseAlgo(raster, {1.0f, 1.0f, 1.0f}),
          curveAlgo(raster, {1.0f, 1.0f, 0.0f}, curveSamples) {}

    LineAlgorithms lineAlgo;
    CircleAlgorithms circleAlgo;
    EllipseAlgorithms ellipseAlgo;
    CurveAlgorithms curveAlgo;
};

// Runs the algorithm of the object's kind on it and returns its time; 0 for a kind without one.
double drawKind2D(Algorithms& algorithms, const SceneObject& object);
// The algorithm object whose colour the object's row is drawn in; nullptr as above.
RasterAlgorithm* familyOf(Algorithms& algorithms, const SceneObject& object);
