#pragma once

// What stands before a row of the speed listing: both passes mark the active object.
constexpr const char* kActivePrefix = "-> ";
constexpr const char* kInactivePrefix = "   ";  // 2D rows only
