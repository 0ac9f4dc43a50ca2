#pragma once

#include "surfaces/BenImage.h"

// Reads a .ben image into a new mipmapped texture; an image that is not read gives a white
// 3 by 5 one. `status`, when given, receives what the read said.
unsigned int loadTexture(const char* path, ImageStatus* status = nullptr);
