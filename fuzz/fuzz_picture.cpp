// libFuzzer target for picture decoding. The first byte chooses the kind
// (bitmap, icon, metafile); the rest is the file. Every input must either
// fail with exactly that kind's message or give a picture within the limits
// in the kind's format.
//
// Seeds in fuzz/corpus/fuzz_picture: small files of each kind made by the
// tests' helpers, and inputs that once reached faults in the metafile
// libraries or had them allocate whatever a record claimed (regress-*).

#include "FuzzCheck.h"

#include "pictures/PictureFile.h"
#include "platform/VorzoError.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Drawing a metafile's text needs the application's fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const PatternImage::Kind kinds[] = {PatternImage::Kind::Bitmap, PatternImage::Kind::Icon,
                                               PatternImage::Kind::Metafile};
    const PatternImage::Kind kind = kinds[data[0] % 3];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    try {
        const PatternImage picture = PictureFile::decode(bytes, kind);
        const QImage::Format format = kind == PatternImage::Kind::Bitmap ? QImage::Format_RGB32
                                                                         : QImage::Format_ARGB32_Premultiplied;
        if (picture.kind() != kind || picture.image().isNull() || picture.image().format() != format
            || !PictureFile::withinLimits(picture.image().size()))
            std::abort();
    } catch (const VorzoError &error) {
        if (error.message() != PictureFile::invalidPicture(kind).message())
            std::abort();
    }
    return 0;
}
