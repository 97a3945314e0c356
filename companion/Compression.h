#pragma once
// The compressions a Tiled map may give its layer data: zlib and gzip (both
// through zlib) and Zstandard (libzstd). Inflating is bounded: it stops as
// soon as the data would give more than the limit, so that a small file
// that would inflate to gigabytes costs no more than the limit.

#include <QByteArray>

namespace Compression {

enum class Kind { Zlib, Gzip, Zstd };

enum class Outcome {
    Done,    // the whole stream, no byte after it
    TooLong, // more than the limit; inflating stopped there
    Broken,  // not a stream of its kind, or one that ends early
};

struct Inflated
{
    Outcome outcome;
    QByteArray bytes; // at most the limit; complete only when Done
};

// At most `limit` bytes are ever held. zlib and gzip streams are each told
// from the other by their header, as Tiled does.
Inflated inflate(const QByteArray &data, Kind kind, qsizetype limit);

QByteArray deflate(const QByteArray &data, Kind kind);

} // namespace Compression
