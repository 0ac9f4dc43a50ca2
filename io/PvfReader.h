#pragma once

#include <string>
#include <string_view>

#include "io/CharSource.h"
#include "model/SceneObject.h"

struct PvfReadReport {
    enum class Status {
        Complete,    // read to the end of the file
        CannotOpen,  // nothing read
        NotRegular,  // a directory, a FIFO or a device: refused unread
        ReadError,   // the stream failed; what was read before stays in the lists
    };
    Status status = Status::Complete;
    std::string errorText;  // the system's description of a read error
    int objectsAdded = 0;
    int blocksDropped = 0;  // cut short, malformed, or with counts the scene cannot hold
};

// Adds the objects of a PVF text to the lists: each at the front, each the only active one
// of its 2D list; a surface clears only the first active surface. A dropped block leaves the
// lists as they were. Linear in the number of objects read.
PvfReadReport readPvf(CharSource& source, ObjectList& objects2D, ObjectList& surfaces3D);
PvfReadReport readPvfText(std::string_view text, ObjectList& objects2D, ObjectList& surfaces3D);
PvfReadReport readPvfFile(const char* path, ObjectList& objects2D, ObjectList& surfaces3D);
