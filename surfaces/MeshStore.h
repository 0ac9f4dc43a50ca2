#pragma once

#include "model/Types.h"

// Rows and columns the store holds: the largest mesh density.
constexpr int kMeshMax = 100;

struct TexCoord {
    float s = 0.0f;
    float t = 0.0f;
};

// The strips' working arrays, indexed [row i][column j]; a grid of n by n uses the first n
// rows and columns and overwrites them on every draw. Every n must lie in 1 to kMeshMax.
//
// A cell's first triangle is (V[i][j], V[i][j+1], V[i+1][j]), its second (V[i][j+1],
// V[i+1][j], V[i+1][j+1]): the diagonal the strips draw.
struct MeshStore {
    Vec3 vertices[kMeshMax][kMeshMax];
    Vec3 normals[kMeshMax][kMeshMax];
    Vec3 firstFaces[kMeshMax][kMeshMax];
    Vec3 secondFaces[kMeshMax][kMeshMax];
    TexCoord texCoords[kMeshMax][kMeshMax];

    // n rows of n points from `grid`, row after row.
    void loadGrid(const Vec3* grid, int n);
    // A triangle of no area (coincident or collinear corners) gets the zero normal, so it adds
    // nothing to the vertex normals around it.
    void computeFaceNormals(int n);
    // The unweighted sum of the normals of the triangles that touch each vertex, normalised.
    // A vertex whose triangles all lack a normal faces up, (0, 1, 0), as the flat start net.
    void computeVertexNormals(int n);
    // (i, j) / (n - 1); a single vertex sits at (0, 0).
    void computeTexCoords(int n);
};
