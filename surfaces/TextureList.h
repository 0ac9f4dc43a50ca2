#pragma once

#include <functional>
#include <ostream>

#include "model/AppState.h"

// Uploads one image file and returns its texture name; a missing file gives the white one.
using TextureLoader = std::function<unsigned int(const char* path)>;

// Reads the names in `listPath` into the texture table, printing each name.
// A missing list adds nothing and prints nothing.
void loadTextureList(TextureTable& table, const char* listPath, std::ostream& out,
                     const TextureLoader& load);
