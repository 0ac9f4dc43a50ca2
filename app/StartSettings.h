#pragma once

#include "model/Types.h"

// What start-up gives the window and the application, in a window or without a screen.
constexpr int kStartWidth = 800;
constexpr int kStartHeight = 592;
constexpr Rgb kClearColor{0.5f, 0.5f, 0.5f};
constexpr Rgb kStartObjectColor{1.0f, 0.0f, 0.0f};
constexpr Rgb kStartPolygonColor{1.0f, 0.0f, 1.0f};
constexpr Rgb kStartControlColor{0.0f, 0.0f, 1.0f};
