#pragma once

#include <cstdint>

#include "raster2d/LineAlgorithms.h"
#include "raster2d/RasterAlgorithm.h"

// Three ways to draw a circle of integer centre and radius, set side by side: the integer
// midpoint walk, a polygon of rotated chords and the sampled parametric form. All three compute
// one octant and mirror it. Each returns its time in milliseconds.
class CircleAlgorithms : public RasterAlgorithm {
  public:
    CircleAlgorithms(RasterTarget& output, Rgb startColor);

    double circleBresenham(int xc, int yc, int r);
    double circleRotation(int xc, int yc, int r);
    double circleParametric(int xc, int yc, int r);

    // Draws the chords of circleRotation; starts red, takes the circle's colour when used.
    LineAlgorithms lineDrawer;

  private:
    void bresenhamPixels(int xc, int yc, int r);
    void rotationChords(int xc, int yc, int r);
    void parametricPoints(int xc, int yc, int r);

    void chord(float x1, float y1, float x2, float y2);
};
