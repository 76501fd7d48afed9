#pragma once

#include "Theme.h"

class QPainter;
class QRectF;

// The marks that tell the four brick colours apart without colour: one
// shape per colour, the same on the normal and the highlighted picture.
enum class BrickSymbol : uint8_t { Circle, Triangle, Square, Cross };

BrickSymbol SymbolFor(BrickEntry entry);

// Draws the entry's mark centred in `cell`, scaled to it: a light shape in a
// dark outline, which reads on a bright face, a dark frame and a theme's own
// picture alike.
void DrawBrickSymbol(QPainter& painter, BrickEntry entry, const QRectF& cell);
