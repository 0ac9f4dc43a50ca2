#pragma once

#include <ctime>
#include <string>

#include "model/SceneObject.h"

// `when` in local time as ctime writes it: "Fri Dec  4 17:10:19 2026\n".
std::string ctimeStamp(std::time_t when);

// The whole PVF text of a scene; `stamp` is the header's time text with its line end.
// Objects that the format cannot carry yet (a curve, line, circle or ellipse still short of
// its points, a kind with no keyword) are left out without a word.
std::string pvfText(const ObjectList& objects2D, const ObjectList& surfaces3D,
                    const std::string& stamp);

// Replaces the file; false only when it cannot be opened for writing.
bool writePvfFile(const char* path, const ObjectList& objects2D, const ObjectList& surfaces3D,
                  std::time_t when);
