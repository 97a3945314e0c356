#include "Compression.h"

#include <zlib.h>
#include <zstd.h>

#include <algorithm>
#include <memory>

namespace Compression {
namespace {

// The output is taken in pieces of this size, the last one cut so that
// inflating stops one byte past the limit.
constexpr qsizetype Piece = 4096;

qsizetype roomAfter(qsizetype had, qsizetype limit)
{
    return std::min(Piece, limit + 1 - had);
}

// A window larger than this is refused: the layer data of a stage are far
// smaller, and a frame that asks for more asks for memory it has no need of.
constexpr int ZstdWindowLogMax = 17;

Inflated inflateZlib(const QByteArray &data, qsizetype limit)
{
    z_stream stream = {};
    if (inflateInit2(&stream, MAX_WBITS + 32) != Z_OK) // + 32: zlib or gzip, by the header
        return {Outcome::Broken, {}};
    std::unique_ptr<z_stream, int (*)(z_stream *)> guard(&stream, inflateEnd);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    QByteArray out;
    for (;;) {
        const qsizetype had = out.size();
        if (had > limit)
            return {Outcome::TooLong, out.left(limit)};
        const qsizetype room = roomAfter(had, limit);
        out.resize(had + room);
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + had);
        stream.avail_out = uInt(room);
        const int status = ::inflate(&stream, Z_NO_FLUSH);
        out.resize(had + room - qsizetype(stream.avail_out));
        if (status == Z_STREAM_END) {
            if (out.size() > limit)
                return {Outcome::TooLong, out.left(limit)};
            return {stream.avail_in == 0 ? Outcome::Done : Outcome::Broken, out};
        }
        if (status != Z_OK) // also Z_BUF_ERROR: the input ended before the stream
            return {Outcome::Broken, {}};
    }
}

Inflated inflateZstd(const QByteArray &data, qsizetype limit)
{
    std::unique_ptr<ZSTD_DStream, size_t (*)(ZSTD_DStream *)> stream(ZSTD_createDStream(), ZSTD_freeDStream);
    if (!stream || ZSTD_isError(ZSTD_DCtx_setParameter(stream.get(), ZSTD_d_windowLogMax, ZstdWindowLogMax)))
        return {Outcome::Broken, {}};
    ZSTD_inBuffer in = {data.constData(), size_t(data.size()), 0};
    QByteArray out;
    size_t left = 1; // what the frame still needs; 0 at its end
    while (left != 0) {
        const qsizetype had = out.size();
        if (had > limit)
            return {Outcome::TooLong, out.left(limit)};
        const size_t inputBefore = in.pos;
        const qsizetype room = roomAfter(had, limit);
        out.resize(had + room);
        ZSTD_outBuffer piece = {out.data() + had, size_t(room), 0};
        left = ZSTD_decompressStream(stream.get(), &piece, &in);
        out.resize(had + qsizetype(piece.pos));
        if (ZSTD_isError(left))
            return {Outcome::Broken, {}};
        // No input left and nothing more to give: the frame ends early.
        if (left != 0 && in.pos == in.size && in.pos == inputBefore && piece.pos == 0)
            return {Outcome::Broken, {}};
    }
    if (out.size() > limit)
        return {Outcome::TooLong, out.left(limit)};
    return {in.pos == in.size ? Outcome::Done : Outcome::Broken, out};
}

QByteArray deflateZlib(const QByteArray &data, int windowBits)
{
    z_stream stream = {};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int status = ::deflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return status == Z_STREAM_END ? out : QByteArray();
}

} // namespace

Inflated inflate(const QByteArray &data, Kind kind, qsizetype limit)
{
    return kind == Kind::Zstd ? inflateZstd(data, limit) : inflateZlib(data, limit);
}

QByteArray deflate(const QByteArray &data, Kind kind)
{
    switch (kind) {
    case Kind::Zlib: return deflateZlib(data, MAX_WBITS);
    case Kind::Gzip: return deflateZlib(data, MAX_WBITS + 16);
    case Kind::Zstd: {
        QByteArray out(qsizetype(ZSTD_compressBound(size_t(data.size()))), '\0');
        const size_t size = ZSTD_compress(out.data(), size_t(out.size()), data.constData(), size_t(data.size()),
                                          ZSTD_CLEVEL_DEFAULT);
        if (ZSTD_isError(size))
            return {};
        out.truncate(qsizetype(size));
        return out;
    }
    }
    return {};
}

} // namespace Compression
