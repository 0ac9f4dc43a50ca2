#pragma once

#include <cstdio>
#include <memory>
#include <string>

// A C file closed when it goes out of scope.
using UniqueFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

inline UniqueFile openFile(const char* path, const char* mode) {
    return UniqueFile(std::fopen(path, mode), std::fclose);
}

// A file to read from, opened only when it is a regular file: a FIFO would block the open or
// the first read, a device such as /dev/zero never ends, a directory fails on its first read.
struct InputFile {
    enum class Status { Opened, CannotOpen, NotRegular };
    Status status = Status::CannotOpen;
    UniqueFile file{nullptr, std::fclose};
    long long size = 0;  // bytes at the time of opening
};

InputFile openInputFile(const char* path, const char* mode);

// Every refused or failed read is told in the form perror gives a read error.
inline std::string readFailureLine(const std::string& reason) {
    return "SYSTEM: Chyba pri cteni souboru: " + reason;
}

inline std::string notRegularFileLine(const std::string& path) {
    return readFailureLine(path + " neni obycejny soubor");
}
