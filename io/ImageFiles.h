#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "io/RgbFrame.h"

enum class ImageFormat { Png, Bmp, Tga };

// The format a file name asks for by its extension, in either case; none for any other name.
std::optional<ImageFormat> imageFormatFor(const std::string& path);

std::vector<uint8_t> encodeImage(ImageFormat format, const RgbPixels& pixels);

// Writes the whole file or nothing: a file cut short by a failed write is removed.
bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);
