#pragma once

// GLUT's key, button and modifier numbers under names; the edge checks them against GLUT's.
namespace input {

constexpr unsigned char kKeyEnter = 13;
constexpr unsigned char kKeyEscape = 27;
constexpr unsigned char kKeyDelete = 127;

// Special keys (the second keyboard callback).
constexpr int kKeyF1 = 1;
constexpr int kKeyF11 = 11;
constexpr int kKeyF12 = 12;
constexpr int kKeyLeft = 100;
constexpr int kKeyUp = 101;
constexpr int kKeyRight = 102;
constexpr int kKeyDown = 103;
constexpr int kKeyPageUp = 104;
constexpr int kKeyPageDown = 105;
constexpr int kKeyHome = 106;
constexpr int kKeyEnd = 107;
constexpr int kKeyInsert = 108;

constexpr int kLeftButton = 0;
constexpr int kMiddleButton = 1;
constexpr int kRightButton = 2;
constexpr int kButtonDown = 0;
constexpr int kButtonUp = 1;

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

}  // namespace input
