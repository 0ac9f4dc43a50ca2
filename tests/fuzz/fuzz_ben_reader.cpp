// Feeds arbitrary bytes, as a file, to the .ben reader. Besides the sanitizers' checks it asks
// that the verdict follows from the bytes alone: an image is read exactly when its sides are
// within the limit and the file backs them, and then holds the file's pixels with red and blue
// swapped; a refused image allocates nothing.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "surfaces/BenImage.h"

static void require(bool condition) {
    if (!condition) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const int fd = memfd_create("input.ben", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    require(ftruncate(fd, 0) == 0 && pwrite(fd, data, size, 0) == static_cast<ssize_t>(size));
    BenImage image;
    const ImageStatus status = readImage(path.c_str(), image);

    int32_t sides[2] = {0, 0};  // the header's width and height, little-endian as this machine
    if (size >= kBenHeaderSize) std::memcpy(sides, data + 18, sizeof sides);
    const bool sidesFit =
        sides[0] > 0 && sides[1] > 0 && sides[0] <= kMaxBenSide && sides[1] <= kMaxBenSide;
    const int64_t pixelBytes = sidesFit ? benFileSize(sides[0], sides[1]) - kBenHeaderSize : 0;
    const bool read = sidesFit && pixelBytes <= static_cast<int64_t>(size) - kBenHeaderSize;
    require((status == ImageStatus::Read) == read && (read || image.rgb.capacity() == 0));
    require(image.width == (read ? sides[0] : 0) && image.height == (read ? sides[1] : 0));
    require(static_cast<int64_t>(image.rgb.size()) == (read ? pixelBytes : 0));
    // Within each pixel the first and third stored bytes trade places.
    for (std::size_t i = 0; i < image.rgb.size(); ++i)
        require(image.rgb[i] == data[kBenHeaderSize + i + 2 - 2 * (i % 3)]);
    return 0;
}
