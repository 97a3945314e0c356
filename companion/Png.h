#pragma once
// The stage's picture as a PNG file's bytes.

#include <QByteArray>
#include <QImage>
#include <QList>

// `picture` (32-bit RGB) with a colour table that holds its colours and
// `alsoColours`; null when that makes more than 256. Pixels keep their
// colours exactly.
QImage withPalette(const QImage &picture, const QList<QRgb> &alsoColours);

// `picture` enlarged `scale` times, every pixel becoming a square of its
// colour, as PNG: with its palette when it has one, which compresses many
// times faster than full colour. Empty when it cannot be encoded.
QByteArray pngOf(const QImage &picture, int scale);
