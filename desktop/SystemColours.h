#pragma once
// Colours on this desktop: a colour value as Qt's colour, and the system
// colours of the original desktop as the matching roles of Qt's palette.

#include "platform/ColourText.h"

#include <QColor>

QColor toQColor(ColourValue value);
ColourValue toColourValue(const QColor &colour);

// The colour a colour text names here; a system colour comes from the
// application's palette at this moment.
QColor colourOnScreen(const Colour &colour);
