#pragma once
// The device-independent bitmaps inside metafile records: whether one is
// whole and small enough to hand to a metafile library, which would
// otherwise allocate and read whatever its header claims.

#include <QByteArray>

namespace DibCheck {

// Whether the bytes [at, at + length) hold a bitmap header, its colour
// table and, when uncompressed, all its rows, with a size within the
// picture limits and a depth and compression the libraries know.
// `width` and `height`, when not zero, are the size the library takes
// instead of the header's (a record's own scan count, say): that size too
// must be within the limits, and its rows inside the bytes.
bool isSound(const QByteArray &bytes, qint64 at, qint64 length, qint64 width = 0, qint64 height = 0);

// Whether the header alone, `length` bytes from `at`, is whole and declares
// a size within the picture limits and a depth the libraries know; for
// records that keep the rows apart from the header.
bool headerIsSound(const QByteArray &bytes, qint64 at, qint64 length);

// Whether `rowsLength` bytes hold every row the sound header `length`
// bytes from `at` declares (compressed rows: any length but none).
bool rowsFit(const QByteArray &bytes, qint64 at, qint64 length, qint64 rowsLength);

} // namespace DibCheck
