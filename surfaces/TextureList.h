#pragma once

#include <functional>
#include <ostream>

class Application;

constexpr int kListedTextureSlots = 28;  // entries 2 to 29 of the texture names

// Uploads one image file and returns its texture name; a missing file gives the white one.
using TextureLoader = std::function<unsigned int(const char* path)>;

// Reads the names in `listPath` into the application's texture table, printing each name.
// A missing list adds nothing and prints nothing.
void loadTextureList(Application& app, const char* listPath, std::ostream& out,
                     const TextureLoader& load);
