#include "io/ExportNames.h"

std::string withExtension(const std::string& name, const char* lower, const char* upper) {
    if (name.find(lower) != std::string::npos || name.find(upper) != std::string::npos) {
        return name;
    }
    return name + lower;
}
