#include "surfaces/MeshStore.h"

#include "surfaces/Vec3Ops.h"

namespace {

Vec3 normalOf(const Vec3& a, const Vec3& b) {
    Vec3 n;
    vecCross(n, a, b);
    if (vecNormalize(n) == 0.0f) vecSet(n, 0.0f, 0.0f, 0.0f);
    return n;
}

void addTo(Vec3& sum, const Vec3& v) { vecAdd(sum, sum, v); }

}  // namespace

void MeshStore::loadGrid(const Vec3* grid, int n) {
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            vecCopy(vertices[i][j], grid[i * n + j]);
    }
}

void MeshStore::computeFaceNormals(int n) {
    for (int i = 0; i + 1 < n; ++i) {
        for (int j = 0; j + 1 < n; ++j) {
            Vec3 a, b, c;
            vecSub(a, vertices[i][j + 1], vertices[i][j]);
            vecSub(b, vertices[i][j + 1], vertices[i + 1][j]);
            vecSub(c, vertices[i][j + 1], vertices[i + 1][j + 1]);
            firstFaces[i][j] = normalOf(a, b);
            secondFaces[i][j] = normalOf(b, c);
        }
    }
}

void MeshStore::computeVertexNormals(int n) {
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            Vec3 sum{};
            if (j < n - 1) {
                if (i < n - 1) addTo(sum, firstFaces[i][j]);
                if (i > 0) {
                    addTo(sum, firstFaces[i - 1][j]);
                    addTo(sum, secondFaces[i - 1][j]);
                }
            }
            if (j > 0) {
                if (i < n - 1) {
                    addTo(sum, firstFaces[i][j - 1]);
                    addTo(sum, secondFaces[i][j - 1]);
                }
                if (i > 0) addTo(sum, secondFaces[i - 1][j - 1]);
            }
            if (vecNormalize(sum) == 0.0f) vecSet(sum, 0.0f, 1.0f, 0.0f);
            normals[i][j] = sum;
        }
    }
}

void MeshStore::computeTexCoords(int n) {
    const float last = n > 1 ? static_cast<float>(n - 1) : 1.0f;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            texCoords[i][j] = {static_cast<float>(i) / last, static_cast<float>(j) / last};
    }
}
