#pragma once

#include "raster2d/RasterTarget.h"

// Each computed pixel is one GL point of its own; the point size shows it enlarged.
class GlRasterTarget final : public RasterTarget {
  public:
    void setColor(float r, float g, float b) override;
    void plot(float x, float y) override;
};
