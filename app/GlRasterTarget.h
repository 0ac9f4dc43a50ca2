#pragma once

#include "raster2d/RasterTarget.h"

// Sends each batch of points to GL as vertex arrays: one draw per run of one colour, at the
// point size the frame set, so each computed pixel shows as an enlarged square.
class GlRasterTarget final : public RasterTarget {
  protected:
    void drawSpans(const PlottedPoint* points, const PixelSpan* runs, std::size_t count) override;
};
