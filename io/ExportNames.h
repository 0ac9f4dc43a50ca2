#pragma once

#include <string>

// `name` unchanged when `lower` or `upper` occurs anywhere in it (a substring test, not a
// test of the ending: "my.pvf.bak" keeps its name), else `name` with `lower` appended. The
// result may exceed the 299 characters of the name field; it is used as it is, and the
// system refuses a name it cannot take when the file is opened.
std::string withExtension(const std::string& name, const char* lower, const char* upper);

inline std::string pvfFileName(const std::string& name) {
    return withExtension(name, ".pvf", ".PVF");
}
inline std::string bmpFileName(const std::string& name) {
    return withExtension(name, ".bmp", ".BMP");
}
inline std::string tgaFileName(const std::string& name) {
    return withExtension(name, ".tga", ".TGA");
}
