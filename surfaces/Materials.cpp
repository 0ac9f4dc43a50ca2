#include "surfaces/Materials.h"

namespace {

// Ambient, diffuse, specular (RGBA) and shininess; the float literals are the floats nearest
// the two-decimal values.
const Material kMaterials[kMaterialCount] = {
    // "Zadny": white and dull, the lights' colour shows
    {{0.1f, 0.1f, 0.1f, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, 0},
    // "Medeny"
    {{0.33f, 0.22f, 0.03f, 1}, {0.78f, 0.57f, 0.11f, 1}, {0.99f, 0.91f, 0.81f, 1}, 20},
    // "Perletovy"
    {{0.33f, 0.22f, 0.33f, 1}, {0.78f, 0.57f, 0.11f, 1}, {0.99f, 0.91f, 0.81f, 1}, 25},
    // "Drugged"
    {{0.33f, 0.22f, 0.33f, 1}, {0.08f, 0.77f, 0.11f, 1}, {0.99f, 0.91f, 0.01f, 1}, 25},
    // "Modre PVC"
    {{0, 0, 0.33f, 1}, {0.5f, 0.5f, 1, 1}, {1, 1, 1, 1}, 60},
    // "Rude PVC"
    {{0.33f, 0, 0, 1}, {1, 0.5f, 0.5f, 1}, {1, 1, 1, 1}, 60},
    // "Zelene PVC"
    {{0, 0.33f, 0, 1}, {0.5f, 1, 0.5f, 1}, {1, 1, 1, 1}, 60},
    // "Fialove PVC"
    {{0.33f, 0, 0.33f, 1}, {1, 0.5f, 1, 1}, {1, 1, 1, 1}, 60},
};

}  // namespace

const Material* findMaterial(int index) {
    if (index < 0 || index >= kMaterialCount) return nullptr;
    return &kMaterials[index];
}
