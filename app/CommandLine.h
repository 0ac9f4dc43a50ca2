#pragma once

// Exactly one argument names a scene file; any other count starts with an empty scene.
inline const char* sceneFileArgument(int argc, char** argv) {
    return argc == 2 ? argv[1] : nullptr;
}
