#pragma once

#include <cstdint>

#include "raster2d/CircleAlgorithms.h"
#include "raster2d/CurveAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/LineAlgorithms.h"
#include "surfaces/SurfaceAlgorithms.h"

// Where no mesh is wanted (the 2D benchmarks) the patches are only counted.
MeshTarget& discardedMesh();

// The algorithm objects that draw both scenes, each with its own colour and stopwatch.
struct Algorithms {
    Algorithms(RasterTarget& raster, int32_t curveSamples, MeshTarget& mesh = discardedMesh())
        : lineAlgo(raster, {1.0f, 1.0f, 0.0f}),
          circleAlgo(raster, {0.0f, 1.0f, 0.0f}),
          ellipseAlgo(raster, {1.0f, 1.0f, 1.0f}),
          curveAlgo(raster, {1.0f, 1.0f, 0.0f}, curveSamples),
          surfaceAlgo(mesh) {}

    LineAlgorithms lineAlgo;
    CircleAlgorithms circleAlgo;
    EllipseAlgorithms ellipseAlgo;
    CurveAlgorithms curveAlgo;
    SurfaceAlgorithms surfaceAlgo;
};

// Runs the algorithm of the object's kind on it and returns its time; 0 for a kind without one.
double drawKind2D(Algorithms& algorithms, const SceneObject& object);
// The algorithm object whose colour the object's row is drawn in; nullptr as above.
RasterAlgorithm* familyOf(Algorithms& algorithms, const SceneObject& object);
