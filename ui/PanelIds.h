#pragma once

// The ids that panel controls report to the one panel callback.
namespace panel_id {

constexpr int kActivePoint3D = 3;
constexpr int kPoint3D = 4;
constexpr int kColors = 5;
constexpr int kHidePanel = 10;
constexpr int kViewXY = 12;
constexpr int kViewYZ = 13;
constexpr int kViewZX = 14;
constexpr int kPreviousPoint = 50;
constexpr int kNextPoint = 51;
constexpr int kNextObject = 61;
constexpr int kSaveBmp = 99;
constexpr int kSavePvf = 100;
constexpr int kSaveTga = 101;
constexpr int kTo2D = 103;
constexpr int kExit = 104;
constexpr int kTo3D = 203;
constexpr int kPoint2D = 204;
constexpr int kKnots = 205;
constexpr int kPixelSize = 209;
constexpr int kSegments = 210;
constexpr int kView = 305;

}  // namespace panel_id
