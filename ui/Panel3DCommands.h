#pragma once

#include "model/AppState.h"

// What the 3D panel's point and view buttons change in the state; showing it is the caller's.

// One point on around the sixteen points of a patch: below 0 is 15, above 15 is 0.
int steppedPoint(int activePoint, int step);

// The fields take point `activePoint` of the first active patch, truncated, and its weight
// for a rational patch; without such a patch or point they keep what they hold.
void mirrorPatchPoint(Scene& scene, int activePoint, PanelMirrors& mirrors);

// "X-Y", "Y-Z", "Z-X": fixed angles, and the free rotation undone.
void presetView(View3D& view, int viewId);
