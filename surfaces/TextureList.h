#pragma once

#include <cstddef>
#include <functional>
#include <ostream>

#include "model/AppState.h"
#include "surfaces/BenImage.h"

constexpr std::size_t kMaxTextureName = 239;

// Uploads one image file and returns its texture name, the white one when the image is not
// read; `status` receives what the read said.
using TextureLoader = std::function<unsigned int(const char* path, ImageStatus* status)>;

// Reads the names in `listPath` into the texture table, printing each name on
// `out`. A missing list adds nothing and prints nothing; a list or an image that is refused,
// and a name too long to hold, is told on `errors`.
void loadTextureList(TextureTable& table, const char* listPath, std::ostream& out,
                     std::ostream& errors, const TextureLoader& load);
