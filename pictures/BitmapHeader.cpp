#include "BitmapHeader.h"

#include "LittleEndian.h"

using namespace LittleEndian;

std::optional<BitmapHeader> BitmapHeader::read(const QByteArray &bytes, qint64 at, qint64 length)
{
    if (length < 12 || !inside(bytes, at, length))
        return std::nullopt;
    BitmapHeader h;
    h.size = u32(bytes, at);
    if (h.size == 12) {
        h.core = true;
        h.width = u16(bytes, at + 4);
        h.height = u16(bytes, at + 6);
        h.planes = u16(bytes, at + 8);
        h.bitCount = u16(bytes, at + 10);
        return h;
    }
    if (h.size < 40 || length < 40)
        return std::nullopt;
    h.width = i32(bytes, at + 4);
    h.height = i32(bytes, at + 8);
    h.planes = u16(bytes, at + 12);
    h.bitCount = u16(bytes, at + 14);
    h.compression = u32(bytes, at + 16);
    h.imageBytes = u32(bytes, at + 20);
    h.coloursUsed = u32(bytes, at + 32);
    return h;
}
