#pragma once
// Reading the little-endian fields of a file's bytes. Callers check that the
// field lies inside the bytes before reading it.

#include <QByteArray>
#include <QtEndian>

namespace LittleEndian {

inline quint16 u16(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

inline qint16 i16(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<qint16>(bytes.constData() + at);
}

inline quint32 u32(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

inline qint32 i32(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

// Whether `length` bytes from `at` lie inside `bytes`.
inline bool inside(const QByteArray &bytes, qint64 at, qint64 length)
{
    return at >= 0 && length >= 0 && at <= bytes.size() && length <= bytes.size() - at;
}

} // namespace LittleEndian
