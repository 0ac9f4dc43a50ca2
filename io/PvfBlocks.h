#pragma once

#include <cstdint>

#include "io/ScanfScanner.h"
#include "model/SceneObject.h"

// Reads the numbers that follow a keyword into a new object of `kind` (active set). False
// when the block is cut short by the end of the input or by a malformed number, or when a
// count or a value is one that the scene cannot hold; `object` is then not to be used.
bool readBlock2D(int32_t kind, ScanfScanner& in, SceneObject& object);
bool readSurfaceBlock(int32_t kind, ScanfScanner& in, SceneObject& object);
