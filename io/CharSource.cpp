#include "io/CharSource.h"

#include <cerrno>
#include <cstring>

int FileSource::get() {
    errno = 0;
    const int c = std::getc(file);
    if (c == EOF && std::ferror(file) && failedErrno == 0) failedErrno = errno != 0 ? errno : EIO;
    return c;
}

std::string FileSource::failureText() const {
    return failedErrno != 0 ? std::strerror(failedErrno) : std::string();
}
