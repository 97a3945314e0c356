#pragma once
// Small metafiles written record by record, for tests and seed files: a
// red rectangle over the top-left quarter and a green triangle on the
// right half, drawn with solid brushes on a `width` x `height` picture.

#include <QByteArray>
#include <QtEndian>

namespace MetafileBytes {

class Writer
{
public:
    Writer &u16(quint16 v) { return put(v); }
    Writer &i16(qint16 v) { return put(v); }
    Writer &u32(quint32 v) { return put(v); }
    Writer &i32(qint32 v) { return put(v); }
    QByteArray bytes;

private:
    template <typename T> Writer &put(T v)
    {
        char raw[sizeof(T)];
        qToLittleEndian(v, raw);
        bytes.append(raw, sizeof(T));
        return *this;
    }
};

// A WMF record: size in 16-bit words, function, parameters.
inline QByteArray wmfRecord(quint16 function, std::initializer_list<qint16> parameters)
{
    Writer w;
    w.u32(quint32(3 + parameters.size())).u16(function);
    for (qint16 p : parameters)
        w.i16(p);
    return w.bytes;
}

// `placeable`: with the 22-byte header that gives the size at 96 dots
// per inch; without it the size comes from the drawing itself. `more`
// records are drawn last.
inline QByteArray wmf(int width, int height, bool placeable = true, const QByteArray &more = {})
{
    const qint16 w = qint16(width), h = qint16(height);
    QByteArray records;
    records += wmfRecord(0x020B, {0, 0});          // window origin
    records += wmfRecord(0x020C, {h, w});          // window extent
    records += wmfRecord(0x02FA, {5, 0, 0, 0, 0}); // null pen
    records += wmfRecord(0x012D, {0});
    records += wmfRecord(0x02FC, {0, 0x00FF, 0, 0}); // red brush
    records += wmfRecord(0x012D, {1});
    records += wmfRecord(0x041B, {qint16(h / 2), qint16(w / 2), 0, 0}); // rectangle
    records += wmfRecord(0x02FC, {0, qint16(0xFF00), 0, 0});            // green brush
    records += wmfRecord(0x012D, {2});
    records += wmfRecord(0x0324, {3, qint16(w / 2), 0, w, 0, w, h}); // triangle
    records += more;
    records += wmfRecord(0x0000, {}); // end
    quint32 largest = 0;
    for (qsizetype at = 0; at < records.size(); at += 2 * qFromLittleEndian<quint32>(records.constData() + at))
        largest = qMax(largest, qFromLittleEndian<quint32>(records.constData() + at));
    Writer out;
    if (placeable) {
        Writer head;
        head.u32(0x9AC6CDD7).u16(0).i16(0).i16(0).i16(w).i16(h).u16(96).u32(0);
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= qFromLittleEndian<quint16>(head.bytes.constData() + 2 * i);
        head.u16(sum);
        out.bytes += head.bytes;
    }
    out.u16(1).u16(9).u16(0x0300).u32(quint32((18 + records.size()) / 2)).u16(4).u32(largest).u16(0);
    out.bytes += records;
    return out.bytes;
}

// A font of the face "Arial", selected, and "Hi" written with it in the
// bottom-left corner.
inline QByteArray wmfText(int height)
{
    Writer font;
    font.i16(-12).i16(0).i16(0).i16(0).i16(400);
    font.bytes += QByteArray("\0\0\0\0\0\0\0\0Arial\0", 14);
    Writer text;
    text.i16(2);
    text.bytes += QByteArray("Hi", 2);
    text.i16(qint16(height - 12)).i16(0);
    Writer out;
    out.u32(quint32(3 + font.bytes.size() / 2)).u16(0x02FB);
    out.bytes += font.bytes;
    out.bytes += wmfRecord(0x012D, {3});
    out.u32(quint32(3 + text.bytes.size() / 2)).u16(0x0521);
    return out.bytes + text.bytes;
}

// An EMF record: type, size in bytes, fields.
inline QByteArray emfRecord(quint32 type, const QByteArray &fields)
{
    Writer w;
    w.u32(type).u32(quint32(8 + fields.size()));
    return w.bytes + fields;
}

// "Hi" written at the bottom left with the text options `options`
// (0x0010: the characters are glyph indices).
inline QByteArray emfText(int height, quint32 options = 0)
{
    Writer text;
    text.i32(0).i32(height - 12).i32(16).i32(height).u32(1).u32(0).u32(0); // bounds, mode, scales
    text.i32(0).i32(height - 12).u32(2).u32(76).u32(options).i32(0).i32(0).i32(0).i32(0).u32(80);
    text.u16('H').u16('i').u32(8).u32(8); // string, advances
    return emfRecord(84, text.bytes);
}

// Bounds of `width` x `height` device pixels at 96 to the inch; `more`
// records are drawn last.
inline QByteArray emf(int width, int height, const QByteArray &more = {})
{
    auto fields = [](std::initializer_list<qint32> values) {
        Writer w;
        for (qint32 v : values)
            w.i32(v);
        return w.bytes;
    };
    QByteArray records;
    records += emfRecord(37, fields({qint32(0x80000008)})); // null pen
    records += emfRecord(39, fields({1, 0, 0x0000FF, 0}));  // red brush
    records += emfRecord(37, fields({1}));
    records += emfRecord(43, fields({0, 0, width / 2, height / 2})); // rectangle
    records += emfRecord(39, fields({2, 0, 0x00FF00, 0}));           // green brush
    records += emfRecord(37, fields({2}));
    Writer triangle;
    triangle.i32(width / 2).i32(0).i32(width).i32(height).u32(3);
    triangle.i16(qint16(width / 2)).i16(0).i16(qint16(width)).i16(0).i16(qint16(width)).i16(qint16(height));
    records += emfRecord(86, triangle.bytes); // 16-bit polygon
    records += more;
    records += emfRecord(14, fields({0, 16, 20})); // end
    const int headerSize = 108;
    Writer head;
    head.u32(1).u32(headerSize);
    head.i32(0).i32(0).i32(width).i32(height);                         // bounds
    head.i32(0).i32(0).i32(width * 2540 / 96).i32(height * 2540 / 96); // frame, 0.01 mm
    head.u32(0x464D4520).u32(0x10000).u32(quint32(headerSize + records.size())).u32(9);
    head.u16(3).u16(0).u32(0).u32(0).u32(0);
    head.i32(960).i32(960).i32(254).i32(254); // device, millimetres
    head.u32(0).u32(0).u32(0).i32(254000).i32(254000);
    return head.bytes + records;
}

} // namespace MetafileBytes
