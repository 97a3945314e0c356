#include "LayerCodec.h"

#include "CompanionText.h"
#include "Compression.h"

#include "platform/VorzoError.h"

#include <QtEndian>

#include <optional>

using CompanionText::Id;
using CompanionText::number;
using CompanionText::text;

namespace LayerCodec {
namespace {

[[noreturn]] void refuse(const QString &message)
{
    throw VorzoError(message);
}

std::optional<Compression::Kind> compressionOf(const QString &name)
{
    if (name == QLatin1String("zlib"))
        return Compression::Kind::Zlib;
    if (name == QLatin1String("gzip"))
        return Compression::Kind::Gzip;
    if (name == QLatin1String("zstd"))
        return Compression::Kind::Zstd;
    return std::nullopt;
}

// A tile number: decimal digits that fit 32 bits.
std::optional<quint32> idOf(const QByteArray &token)
{
    if (token.isEmpty() || token.size() > 10)
        return std::nullopt;
    for (const char c : token) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    const qulonglong id = token.toULongLong();
    return id <= 0xFFFFFFFFu ? std::optional<quint32>(quint32(id)) : std::nullopt;
}

QList<quint32> fromCsv(const QByteArray &csv, int columns, int cells)
{
    const QByteArray trimmed = csv.trimmed();
    // Counted before anything is split off: a long text costs no more.
    const qsizetype count = trimmed.isEmpty() ? 0 : trimmed.count(',') + 1;
    if (count != cells)
        refuse(text(Id::LayerCells).arg(number(count), number(cells)));
    const QList<QByteArray> tokens = trimmed.split(',');
    QList<quint32> ids;
    ids.reserve(cells);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QByteArray token = tokens.at(i).trimmed();
        const std::optional<quint32> id = idOf(token);
        if (!id)
            refuse(text(Id::NotATile).arg(number(i % columns), number(i / columns), QString::fromUtf8(token.left(20))));
        ids.append(*id);
    }
    return ids;
}

QByteArray withoutWhitespace(const QByteArray &text)
{
    QByteArray bare;
    bare.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            bare.append(c);
    }
    return bare;
}

QList<quint32> fromBase64(const QByteArray &base64, const QString &compression, int cells)
{
    const auto decoded = QByteArray::fromBase64Encoding(withoutWhitespace(base64),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        refuse(text(Id::BadBase64));
    const qsizetype size = qsizetype(cells) * 4;
    QByteArray bytes = *decoded;
    if (!compression.isEmpty()) {
        const std::optional<Compression::Kind> kind = compressionOf(compression);
        if (!kind)
            refuse(text(Id::LayerEncoding).arg(compression));
        Compression::Inflated inflated = Compression::inflate(bytes, *kind, size);
        if (inflated.outcome == Compression::Outcome::TooLong)
            refuse(text(Id::LayerTooLong).arg(number(size)));
        if (inflated.outcome == Compression::Outcome::Broken)
            refuse(text(Id::BadCompressed).arg(compression));
        bytes = std::move(inflated.bytes);
    }
    if (bytes.size() != size)
        refuse(text(Id::LayerBytes).arg(number(bytes.size()), number(size)));
    QList<quint32> ids(cells);
    for (int i = 0; i < cells; ++i)
        ids[i] = qFromLittleEndian<quint32>(bytes.constData() + qsizetype(i) * 4);
    return ids;
}

} // namespace

QList<quint32> decode(const Tiled::LayerData &data, int columns, int cells)
{
    if (data.chunks)
        refuse(text(Id::InfiniteMap));
    if (data.encoding == QLatin1String("csv")) {
        if (!data.compression.isEmpty())
            refuse(text(Id::LayerEncoding).arg(QStringLiteral("csv+") + data.compression));
        return fromCsv(data.text, columns, cells);
    }
    if (data.encoding == QLatin1String("base64"))
        return fromBase64(data.text, data.compression, cells);
    refuse(text(Id::LayerEncoding).arg(data.encoding));
}

Tiled::LayerData encode(const QList<quint32> &ids, int columns, Tiled::LayerFormat format)
{
    using Tiled::LayerFormat;
    Tiled::LayerData data;
    if (format == LayerFormat::Csv) {
        data.encoding = QStringLiteral("csv");
        for (qsizetype i = 0; i < ids.size(); ++i) {
            data.text += QByteArray::number(ids.at(i));
            if (i + 1 < ids.size())
                data.text += (i + 1) % columns == 0 ? ",\n" : ",";
        }
        return data;
    }
    QByteArray bytes(ids.size() * 4, '\0');
    for (qsizetype i = 0; i < ids.size(); ++i)
        qToLittleEndian<quint32>(ids.at(i), bytes.data() + i * 4);
    data.encoding = QStringLiteral("base64");
    switch (format) {
    case LayerFormat::Csv:
    case LayerFormat::Base64: break;
    case LayerFormat::Zlib:
        data.compression = QStringLiteral("zlib");
        bytes = Compression::deflate(bytes, Compression::Kind::Zlib);
        break;
    case LayerFormat::Gzip:
        data.compression = QStringLiteral("gzip");
        bytes = Compression::deflate(bytes, Compression::Kind::Gzip);
        break;
    case LayerFormat::Zstd:
        data.compression = QStringLiteral("zstd");
        bytes = Compression::deflate(bytes, Compression::Kind::Zstd);
        break;
    }
    data.text = bytes.toBase64();
    return data;
}

} // namespace LayerCodec
