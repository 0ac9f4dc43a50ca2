#pragma once

// The window keeps sizes that are multiples of 16: the low four bits are cleared.
constexpr int snapDown16(int size) { return size & ~15; }
