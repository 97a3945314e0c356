// vorzo-stage-render: the picture of `vorzo-stage render`, which hands its
// arguments on to this program; apart from vorzo-stage, because drawing
// needs the graphics libraries and the other commands start faster without.
// Also the desktop's thumbnailer of stages:
//
//   vorzo-stage-render --size N STAGE.kwt OUT.png

#include "CompanionText.h"
#include "RenderCommand.h"
#include "Run.h"

#include "output/StageFiles.h"
#include "pictures/PatternImage.h"
#include "platform/SafeSave.h"
#include "platform/VorzoError.h"
#include "stage/CanvasPicture.h"
#include "stage/StageMap.h"

#include <QBuffer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

using namespace Companion;

namespace {

// The thumbnail: the stage's start, its first 30 columns as a square of
// 30 x 30 cells, drawn from the built-in picture as the canvas draws them
// and scaled smoothly to fit N x N (never enlarged). Only the map file is
// read. OUT is PNG whatever its name ends in: the file manager chooses it.
constexpr int ThumbnailColumns = StageMap::Rows;

int thumbnail(const QStringList &arguments)
{
    const CompanionText::Language language = CompanionText::languageFromEnvironment();
    CompanionText::setLanguage(language);
    bool ok = false;
    const int side = arguments.size() == 4 ? arguments.at(1).toInt(&ok) : 0;
    if (!ok || side < 1) {
        std::fputs(language == CompanionText::Language::Japanese
                       ? "使い方: vorzo-stage-render --size N ステージ.kwt 画像.png\n"
                       : "Usage: vorzo-stage-render --size N STAGE.kwt PICTURE.png\n",
                   stderr);
        return WrongUsage;
    }
    const QString &stage = arguments.at(2);
    const QString &output = arguments.at(3);
    try {
        StageMap map;
        reading(stage, [&] { StageFiles::readMap(stage, map); });
        const PatternImage pattern = PatternImage::builtIn();
        const QImage whole = DrawStage(map, pattern.tiles(), false);
        const QImage start = whole.copy(0, 0, whole.height() * ThumbnailColumns / StageMap::Rows, whole.height())
                                 .convertToFormat(QImage::Format_RGB32);
        const int fit = std::min(side, start.height());
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!start.scaled(fit, fit, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(&buffer, "PNG"))
            throw VorzoError::cannotCreate(output);
        writing(output, [&] { saveFileSafely(output, png); });
        return Success;
    } catch (const FileFailure &e) {
        const QString message = CompanionText::systemMessage(e);
        std::fprintf(
            stderr, "vorzo-stage-render: %s\n",
            (e.reason().isEmpty() ? message : message + QStringLiteral(": ") + e.reason()).toUtf8().constData());
    } catch (const VorzoError &e) {
        std::fprintf(stderr, "vorzo-stage-render: %s\n", CompanionText::systemMessage(e).toUtf8().constData());
    }
    return Problem;
}

} // namespace

int main(int argc, char *argv[])
{
    reportQtFailures();
    QStringList arguments; // as the application will give them
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.value(0) == QLatin1String("--size")) {
        QCoreApplication app(argc, argv);
        return thumbnail(arguments);
    }
    if (!drawsFromAMetafile(arguments)) {
        QCoreApplication app(argc, argv);
        return run(render);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return run(render);
}
