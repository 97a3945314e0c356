#include "MetafileBytes.h"
#include "TestFiles.h"
#include "pictures/PictureFile.h"
#include "platform/VorzoError.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

using Kind = PatternImage::Kind;
using Probes = QList<QPair<QPoint, QRgb>>;
Q_DECLARE_METATYPE(Probes)

class TestPictureFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loads_data();
    void loads();
    void refuses_data();
    void refuses();
    void metafileRecordsAreBounded_data();
    void metafileRecordsAreBounded();
    void bareNameIsLookedUpInTheCurrentFolder();

private:
    QTemporaryDir m_folder;
    QString path(const QString &name) const { return m_folder.filePath(name); }
};

namespace {

const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Clear = qRgba(0, 0, 0, 0);

QByteArray encoded(const QImage &image, const char *format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(image) ? buffer.data() : QByteArray();
}

// 320 x 224 with a 256-entry palette: each square's index is its number.
QImage indexedPattern()
{
    QImage image(320, 224, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table << qRgb(i, 255 - i, (i * 7) % 256);
    image.setColorTable(table);
    for (int y = 0; y < 224; ++y)
        for (int x = 0; x < 320; ++x)
            image.setPixel(x, y, uint((y / 32) * 10 + x / 32));
    return image;
}

QImage truecolourPicture()
{
    QImage image(640, 448, QImage::Format_RGB32);
    for (int y = 0; y < 448; ++y)
        for (int x = 0; x < 640; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return image;
}

QImage filled(int side, QRgb colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// One icon file holding the images of several single-image ones.
QByteArray iconOf(const QList<QImage> &images)
{
    QByteArray directory, data;
    const int start = 6 + 16 * int(images.size());
    for (const QImage &image : images) {
        const QByteArray single = encoded(image, "ico");
        QByteArray entry = single.mid(6, 16);
        qToLittleEndian<quint32>(quint32(start + data.size()), entry.data() + 12);
        directory += entry;
        data += single.mid(qFromLittleEndian<quint32>(single.constData() + 18));
    }
    MetafileBytes::Writer head;
    head.u16(0).u16(1).u16(quint16(images.size()));
    return head.bytes + directory + data;
}

// A bitmap's header declaring `width` x `height` at 24 bits, with no rows.
QByteArray bitmapHeader(int width, int height)
{
    MetafileBytes::Writer w;
    w.u16(0x4D42).u32(54).u32(0).u32(54);
    w.u32(40).i32(width).i32(height).u16(1).u16(24).u32(0).u32(0).i32(3780).i32(3780).u32(0).u32(0);
    return w.bytes;
}

QByteArray oversizedIcon()
{
    MetafileBytes::Writer w;
    w.u16(0).u16(1).u16(1);
    w.bytes += QByteArray("\x20\x20\x00\x00", 4);
    w.u16(1).u16(32).u32(40).u32(22);
    w.bytes += bitmapHeader(20000, 40000).mid(14);
    return w.bytes;
}

// An icon whose one image is a PNG declaring `side` x `side` pixels.
QByteArray iconOfPngDeclaring(int side)
{
    QByteArray png = encoded(filled(1, qRgb(0, 0, 255)), "png");
    qToBigEndian<quint32>(quint32(side), png.data() + 16);
    qToBigEndian<quint32>(quint32(side), png.data() + 20);
    MetafileBytes::Writer w;
    w.u16(0).u16(1).u16(1);
    w.bytes += QByteArray(4, '\0'); // 256 x 256, as the directory has it
    w.u16(1).u16(32).u32(quint32(png.size())).u32(22);
    return w.bytes + png;
}

QByteArray oversizedWmf()
{
    QByteArray bytes = MetafileBytes::wmf(64, 48);
    qToLittleEndian<qint16>(20000, bytes.data() + 10);
    qToLittleEndian<qint16>(20000, bytes.data() + 12);
    return bytes;
}

QByteArray oversizedEmf()
{
    QByteArray bytes = MetafileBytes::emf(64, 48);
    qToLittleEndian<qint32>(20000, bytes.data() + 16);
    qToLittleEndian<qint32>(20000, bytes.data() + 20);
    return bytes;
}

// A WMF record: `function`, its words, then `more` bytes (an even number).
QByteArray wmfRecordOf(quint16 function, std::initializer_list<quint16> words, const QByteArray &more = {})
{
    MetafileBytes::Writer w;
    w.u32(quint32(3 + words.size() + more.size() / 2)).u16(function);
    for (quint16 word : words)
        w.u16(word);
    return w.bytes + more;
}

// A bitmap of `width` x `height` at 32 bits a pixel holding `rows` rows.
QByteArray dib(int width, int height, int rows)
{
    MetafileBytes::Writer w;
    w.u32(40).i32(width).i32(height).u16(1).u16(32).u32(0).u32(0).i32(0).i32(0).u32(0).u32(0);
    return w.bytes + QByteArray(width * 4 * rows, '\x40');
}

// An EMF stretched-bits record with the bitmap header `header` and the
// rows `rows`, drawn over the whole picture.
QByteArray emfStretchedBits(const QByteArray &header, const QByteArray &rows)
{
    MetafileBytes::Writer w;
    w.i32(0).i32(0).i32(64).i32(48).i32(0).i32(0).i32(0).i32(0).i32(1).i32(1);
    w.u32(80).u32(quint32(header.size())).u32(quint32(80 + header.size())).u32(quint32(rows.size()));
    w.u32(0).u32(0x00CC0020).i32(64).i32(48);
    return MetafileBytes::emfRecord(81, w.bytes + header + rows);
}

QByteArray garbage()
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 131 + 7) % 251);
    return bytes;
}

Probes probesOf(const QImage &source, const QList<QPoint> &points)
{
    Probes probes;
    for (QPoint p : points)
        probes << qMakePair(p, source.pixel(p));
    return probes;
}

// Red over the top-left quarter, green on the right half's triangle, and
// nothing drawn below the rectangle on the left.
Probes drawing(int width, int height)
{
    return {{QPoint(width / 4, height / 4), Red},
            {QPoint(width * 7 / 8, height / 2), Green},
            {QPoint(width / 4, height * 3 / 4), Clear}};
}

const QString Bitmap = QStringLiteral("ビットマップイメージが不正です");
const QString Icon = QStringLiteral("アイコンイメージが不正です");
const QString Metafile = QStringLiteral("メタファイルが不正です");

} // namespace

void TestPictureFile::initTestCase()
{
    QVERIFY(m_folder.isValid());
}

void TestPictureFile::loads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Probes>("probes");

    const QImage indexed = indexedPattern(), truecolour = truecolourPicture();
    const QByteArray indexedFile = encoded(indexed, "bmp");
    QCOMPARE(qFromLittleEndian<quint16>(indexedFile.constData() + 28), 8); // the fixture is 8 bits a pixel
    const QList<QPoint> corners = {{0, 0}, {319, 223}, {100, 70}};
    QTest::newRow("320 x 224 at 8 bits") << "tiles.bmp" << indexedFile << int(Kind::Bitmap) << QSize(320, 224)
                                         << probesOf(indexed, corners);
    QTest::newRow("extension in capitals")
        << "TILES.BMP" << indexedFile << int(Kind::Bitmap) << QSize(320, 224) << probesOf(indexed, corners);
    const QByteArray truecolourFile = encoded(truecolour, "bmp");
    QCOMPARE(qFromLittleEndian<quint16>(truecolourFile.constData() + 28), 24);
    QTest::newRow("640 x 448 at 24 bits") << "large.bmp" << truecolourFile << int(Kind::Bitmap) << QSize(640, 448)
                                          << probesOf(truecolour, {{0, 0}, {639, 447}, {400, 300}});
    QTest::newRow("icon: the largest image, alpha kept")
        << "tiles.ico" << iconOf({filled(16, qRgb(0, 0, 255)), filled(48, qRgba(255, 0, 0, 128))}) << int(Kind::Icon)
        << QSize(48, 48) << Probes{{QPoint(20, 20), qPremultiply(qRgba(255, 0, 0, 128))}};
    QTest::newRow("wmf with placeable header")
        << "tiles.wmf" << MetafileBytes::wmf(64, 48) << int(Kind::Metafile) << QSize(64, 48) << drawing(64, 48);
    QTest::newRow("wmf writing in a font of its own")
        << "text.wmf" << MetafileBytes::wmf(64, 48, true, MetafileBytes::wmfText(48)) << int(Kind::Metafile)
        << QSize(64, 48) << drawing(64, 48).mid(0, 2);
    QTest::newRow("emf writing text") << "text.emf" << MetafileBytes::emf(64, 48, MetafileBytes::emfText(48))
                                      << int(Kind::Metafile) << QSize(64, 48) << drawing(64, 48).mid(0, 2);
    QTest::newRow("emf") << "tiles.Emf" << MetafileBytes::emf(80, 40) << int(Kind::Metafile) << QSize(80, 40)
                         << drawing(80, 40);
}

void TestPictureFile::loads()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(QSize, size);
    QFETCH(Probes, probes);
    QVERIFY(TestFiles::put(path(name), bytes));

    const PatternImage picture = PictureFile::load(path(name));
    QCOMPARE(int(picture.kind()), kind);
    QCOMPARE(picture.image().size(), size);
    QCOMPARE(picture.image().format(),
             kind == int(Kind::Bitmap) ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    for (const auto &[point, colour] : probes)
        QCOMPARE(picture.image().pixel(point), colour);
}

void TestPictureFile::refuses_data()
{
    QTest::addColumn<QString>("name"); // the file is written, unless the bytes say "<missing>" or "<folder>"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray bitmap = encoded(indexedPattern(), "bmp");
    const QByteArray icon = iconOf({filled(32, qRgb(0, 0, 255))});
    const QByteArray wmf = MetafileBytes::wmf(64, 48), emf = MetafileBytes::emf(64, 48);
    const struct
    {
        const char *kind, *extension;
        QByteArray whole, oversized;
        QString message;
    } kinds[] = {
        {"bitmap", "bmp", bitmap, bitmapHeader(20000, 20000), Bitmap},
        {"icon", "ico", icon, oversizedIcon(), Icon},
        {"wmf", "wmf", wmf, oversizedWmf(), Metafile},
        {"emf", "emf", emf, oversizedEmf(), Metafile},
    };
    for (const auto &k : kinds) {
        const QString name = QStringLiteral("broken.") + QLatin1String(k.extension);
        QTest::addRow("%s truncated", k.kind) << name << k.whole.left(k.whole.size() * 2 / 3) << k.message;
        QTest::addRow("%s garbage", k.kind) << name << garbage() << k.message;
        QTest::addRow("%s zero-length", k.kind) << name << QByteArray() << k.message;
        QTest::addRow("%s declaring 20,000 pixels", k.kind) << name << k.oversized << k.message;
    }
    // libemf2svg would look the glyphs up through fontconfig and then shut
    // fontconfig down under the application.
    QTest::newRow("emf text by glyph index")
        << "glyphs.emf" << MetafileBytes::emf(64, 48, MetafileBytes::emfText(48, 0x10)) << Metafile;
    QTest::newRow("emf bytes as a bitmap") << "broken.bmp" << emf << Bitmap;
    QTest::newRow("icon whose PNG declares 20,000 pixels") << "png.ico" << iconOfPngDeclaring(20000) << Icon;
    QTest::newRow("unknown extension") << "tiles.png" << bitmap
                                       << QStringLiteral("拡張子 .png の画像形式は処理できません");
    QTest::newRow("extension as typed") << "tiles.Gif" << bitmap
                                        << QStringLiteral("拡張子 .Gif の画像形式は処理できません");
    QTest::newRow("no extension") << "tiles" << bitmap << QStringLiteral("拡張子 . の画像形式は処理できません");
    QTest::newRow("dot only in a folder")
        << "pictures.bmp/tiles" << bitmap << QStringLiteral("拡張子 . の画像形式は処理できません");
    QTest::newRow("missing file") << "absent.bmp" << QByteArray("<missing>")
                                  << QStringLiteral("ファイル %1 は開けません");
    QTest::newRow("a folder") << "folder.bmp" << QByteArray("<folder>") << QStringLiteral("ファイル %1 は開けません");
}

void TestPictureFile::refuses()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString file = path(name);
    if (bytes == "<folder>")
        QVERIFY(QDir().mkpath(file));
    else if (bytes != "<missing>")
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && TestFiles::put(file, bytes));

    const PatternImage before = PatternImage::builtIn();
    PatternImage held = before;
    try {
        held = PictureFile::load(file);
        QFAIL("loaded");
    } catch (const VorzoError &error) {
        QCOMPARE(error.message(), message.contains(QLatin1String("%1")) ? message.arg(file) : message);
    }
    QCOMPARE(held.image(), before.image());
}

void TestPictureFile::metafileRecordsAreBounded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("sound");
    using MetafileBytes::wmf;
    enum : quint16 { Polygon = 0x0324, DibStretchBlt = 0x0B41, SetDibToDevice = 0x0D33 };
    const std::initializer_list<quint16> stretch = {0x0020, 0x00CC, 1, 1, 0, 0, 48, 64, 0, 0}; // copy 1 x 1 over all
    QTest::newRow("wmf: stretched bitmap")
        << wmf(64, 48, true, wmfRecordOf(DibStretchBlt, stretch, dib(1, 1, 1))) << true;
    // libwmf reads a bitmap header in any such record: here from the last
    // word on, the rest taken for sizes of 4 GiB.
    QTest::newRow("wmf: stretched bitmap of 14 words, without its bitmap")
        << wmf(64, 48, true, wmfRecordOf(DibStretchBlt, {0x0020, 0x00CC, 1, 1, 0, 0, 48, 64, 0, 0, 0})) << false;
    QTest::newRow("wmf: stretched bitmap with rows beyond its record")
        << wmf(64, 48, true, wmfRecordOf(DibStretchBlt, stretch, dib(1, 100, 1))) << false;
    // Colour use, scan count, first scan, source, size, destination.
    QTest::newRow("wmf: bits to the device, a band of one scan line")
        << wmf(64, 48, true, wmfRecordOf(SetDibToDevice, {0, 1, 0, 0, 0, 1, 1, 0, 0}, dib(1, 1, 1))) << true;
    QTest::newRow("wmf: bits to the device, a scan count beyond the record")
        << wmf(64, 48, true, wmfRecordOf(SetDibToDevice, {0, 100, 0, 0, 0, 1, 1, 0, 0}, dib(1, 1, 1))) << false;
    QTest::newRow("wmf: a point count beyond its record")
        << wmf(64, 48, true, wmfRecordOf(Polygon, {0x7FFF, 0, 0, 10, 0, 10, 10})) << false;
    QByteArray past = wmf(64, 48, true, wmfRecordOf(Polygon, {3, 0, 0, 10, 0, 10, 10}));
    qToLittleEndian<quint32>(quint32(1 + (past.size() - 6 - 20) / 2), past.data() + past.size() - 6 - 20);
    QTest::newRow("wmf: a record longer than the file") << past << false;

    auto emfHeader = [](int width, int height) { return dib(width, height, 0); };
    QTest::newRow("emf: stretched bits") << MetafileBytes::emf(
        64, 48, emfStretchedBits(emfHeader(2, 2), QByteArray(16, '\x40')))
                                         << true;
    QTest::newRow("emf: stretched bits with rows missing")
        << MetafileBytes::emf(64, 48, emfStretchedBits(emfHeader(64, 64), QByteArray(16, '\x40'))) << false;
    // Two polygons of 2^32 - 2 and 6 points: 4 in 32 bits, as many as given.
    MetafileBytes::Writer polygons;
    polygons.i32(0).i32(0).i32(10).i32(10).u32(2).u32(4).u32(0xFFFFFFFE).u32(6);
    polygons.bytes += QByteArray(16, '\0');
    QTest::newRow("emf: polygon counts that overflow 32 bits")
        << MetafileBytes::emf(64, 48, MetafileBytes::emfRecord(91, polygons.bytes)) << false;
    // A region of two rectangles in the length of one.
    MetafileBytes::Writer region;
    region.i32(0).i32(0).i32(10).i32(10).u32(48).u32(1);
    region.u32(32).u32(1).u32(2).u32(32).i32(0).i32(0).i32(10).i32(10);
    region.i32(0).i32(0).i32(5).i32(5).i32(5).i32(5).i32(10).i32(10);
    QTest::newRow("emf: a region counting more rectangles than it holds")
        << MetafileBytes::emf(64, 48, MetafileBytes::emfRecord(71, region.bytes)) << false;
}

void TestPictureFile::metafileRecordsAreBounded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, sound);
    QString message;
    try {
        QCOMPARE(PictureFile::decode(bytes, Kind::Metafile).image().size(), QSize(64, 48));
    } catch (const VorzoError &error) {
        message = error.message();
    }
    QCOMPARE(message, sound ? QString() : Metafile);
}

void TestPictureFile::bareNameIsLookedUpInTheCurrentFolder()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder.path()));
    QVERIFY(TestFiles::put(QStringLiteral("bare.bmp"), encoded(indexedPattern(), "bmp")));
    QString missing;
    try {
        QCOMPARE(PictureFile::load(QStringLiteral("bare.bmp")).image().size(), QSize(320, 224));
        PictureFile::load(QStringLiteral("gone.bmp"));
    } catch (const VorzoError &error) {
        missing = error.message();
    }
    QDir::setCurrent(previous);
    QCOMPARE(missing, QStringLiteral("ファイル gone.bmp は開けません"));
}

QTEST_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
