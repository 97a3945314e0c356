#pragma once
// vorzo-stage export, drawn by vorzo-stage-render: the stage as a Tiled
// map, and beside it the tileset's picture, which Tiled reads (the bitmap
// stays what the editor draws from).

#include "CommandLine.h"

#include <QImage>

// The 70 squares of the pattern image, 10 to a row (320 × 224), each as the
// canvas draws its code: copied as it is, cyan where the picture does not
// reach. Without tiles (a picture that is not a bitmap) it throws
// VorzoError, as the canvas does.
QImage tilesetPicture(const QImage *tiles);

int exportTiled(const CommandLine &line);
