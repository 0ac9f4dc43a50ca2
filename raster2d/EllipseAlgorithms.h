#pragma once

#include <cstdint>

#include "raster2d/RasterAlgorithm.h"

// Ellipses of integer centre and semi-axes (a along x, b along y): the two-region integer
// midpoint walk and the sampled parametric form, both axis-parallel, and the parametric form
// turned by a whole number of degrees. Each returns its time in milliseconds.
class EllipseAlgorithms : public RasterAlgorithm {
  public:
    EllipseAlgorithms(RasterTarget& output, Rgb startColor) : RasterAlgorithm(output, startColor) {}

    double ellipseBresenham(int xc, int yc, int a, int b);
    double ellipseParametric(int xc, int yc, int a, int b);
    double ellipseGeneral(int xc, int yc, int a, int b, int angle);

  private:
    template <class Wide>
    void bresenhamPixels(int xc, int yc, int a, int b);
    void parametricPoints(int xc, int yc, int a, int b);
    void generalPoints(int xc, int yc, int a, int b, int angle);
};
