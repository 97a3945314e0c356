#pragma once
// The header of a device-independent bitmap, as bitmap files, icon images
// and metafile records carry it: the old 12-byte core header or one of 40
// bytes or more. Read here only; each reader judges the fields itself.

#include <QByteArray>

#include <optional>

struct BitmapHeader
{
    quint32 size = 0;  // of the header itself
    bool core = false; // the old header, of 16-bit sizes
    qint64 width = 0;
    qint64 height = 0; // as stored: negative for rows from the top
    quint32 planes = 0;
    quint32 bitCount = 0;
    quint32 compression = 0; // 0 for a core header
    quint32 imageBytes = 0;  // likewise
    quint32 coloursUsed = 0; // likewise

    // The fields of the header `length` bytes from `at`; nothing when those
    // bytes cannot hold the fields its size names (at least 12, or 40).
    static std::optional<BitmapHeader> read(const QByteArray &bytes, qint64 at, qint64 length);
};
