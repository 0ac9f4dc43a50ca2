#pragma once

// The virtual trackball of a rotation control: a drag across the control's square turns its
// matrix as if the pointer rolled a ball filling the square.
struct DragPoint {
    float x, y;  // pixels from the square's top-left corner, y down
};

// Turns the column-major `matrix` by the rotation that carries `from` to `to` on the ball of a
// square of `side` pixels, the angle scaled by `spin`. The turn is about axes of the screen,
// so it is applied after what the matrix already holds.
void arcballTurn(float (&matrix)[16], DragPoint from, DragPoint to, float side, float spin);
