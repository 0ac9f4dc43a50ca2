#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "io/UniqueFile.h"

// A file of the given bytes in the temporary folder, removed when the benchmark ends.
class ScratchFile {
  public:
    explicit ScratchFile(const std::string& bytes) {
        const int fd = mkstemp(path.data());
        if (fd >= 0) ::close(fd);
        const UniqueFile out = openFile(path.c_str(), "wb");
        if (out) std::fwrite(bytes.data(), 1, bytes.size(), out.get());
    }
    ~ScratchFile() { ::unlink(path.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    std::string path = "/tmp/pixelforge-bench-XXXXXX";
};
