#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Pixels as glReadPixels delivers them with a pack alignment of 1: rows bottom-up, each row
// left to right, three bytes red, green, blue, no padding.
struct RgbPixels {
    int width = 0;
    int height = 0;
    const uint8_t* rgb = nullptr;
};

// The export's one large buffer. It is allocated without throwing, so that running out of
// memory is a value the caller acts on.
class RgbFrame {
  public:
    // False, with the frame left empty, when the memory cannot be had. Negative sizes count
    // as 0.
    bool allocate(int width, int height);

    uint8_t* data() { return bytes.get(); }
    std::size_t size() const;
    RgbPixels pixels() const { return {w, h, bytes.get()}; }

  private:
    std::unique_ptr<uint8_t[]> bytes;
    int w = 0;
    int h = 0;
};
