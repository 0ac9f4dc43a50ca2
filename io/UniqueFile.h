#pragma once

#include <cstdio>
#include <memory>

// A C file closed when it goes out of scope.
using UniqueFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

inline UniqueFile openFile(const char* path, const char* mode) {
    return UniqueFile(std::fopen(path, mode), std::fclose);
}
