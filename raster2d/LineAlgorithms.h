#pragma once

#include "raster2d/RasterAlgorithm.h"

// Bresenham, DDA and the symmetric two-step line. Each takes the end pixels as integers and
// returns its time in milliseconds; lineBresenham is also the chord drawer of the curves.
class LineAlgorithms : public RasterAlgorithm {
  public:
    LineAlgorithms(RasterTarget& output, Rgb startColor) : RasterAlgorithm(output, startColor) {}

    double lineBresenham(int x1, int y1, int x2, int y2);
    double lineDDA(int x1, int y1, int x2, int y2);
    double lineTwoStep(int x1, int y1, int x2, int y2);

  private:
    void bresenhamPixels(int x1, int y1, int x2, int y2);
    void ddaPixels(int x1, int y1, int x2, int y2);
    void twoStepPixels(int x1, int y1, int x2, int y2);
};
