#include "io/UniqueFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

InputFile openInputFile(const char* path, const char* mode) {
    InputFile in;
    // Without O_NONBLOCK, opening a FIFO waits for a writer before the type can be checked.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return in;
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        if (known) in.status = InputFile::Status::NotRegular;
        ::close(fd);
        return in;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    in.file.reset(::fdopen(fd, mode));
    if (!in.file) {
        ::close(fd);
        return in;
    }
    in.status = InputFile::Status::Opened;
    in.size = static_cast<long long>(info.st_size);
    return in;
}
