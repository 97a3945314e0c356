// vorzo-stage-render: the picture of `vorzo-stage render`, which hands its
// arguments on to this program; apart from vorzo-stage, because drawing
// needs the graphics libraries and the other commands start faster without.
// Also the desktop's thumbnailer of stages:
//
//   vorzo-stage-render --size N STAGE.kwt OUT.png

#include "CommandLine.h"
#include "CompanionText.h"
#include "Png.h"
#include "Run.h"
#include "TiledExport.h"

#include "output/StageFiles.h"
#include "pictures/PictureFile.h"
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

int render(const CommandLine &line)
{
    using CompanionText::Id;
    if (line.command == CommandLine::Command::Help) {
        writeOut(CompanionText::text(Id::Help).toUtf8());
        return Success;
    }
    if (line.command == CommandLine::Command::Export)
        return exportTiled(line);
    if (line.command != CommandLine::Command::Render)
        throw CommandLine::Misuse{CompanionText::text(Id::UnknownCommand).arg(QCoreApplication::arguments().value(1))};
    refuseOutputOverInput(line.output, {line.stage, line.picture});
    StageMap map;
    reading(line.stage, [&] { StageFiles::readMap(line.stage, map); });
    const PatternImage pattern = line.picture.isEmpty()
                                     ? PatternImage::builtIn()
                                     : reading(line.picture, [&] { return PictureFile::load(line.picture); });
    // Drawn with a palette when the picture has one that can also hold the
    // canvas's two colours: a quarter of the pixels' bytes to write.
    const QImage *tiles = pattern.tiles();
    const QImage indexed = tiles ? withPalette(*tiles, {CanvasBackground.rgb(), GridLines.rgb()}) : QImage();
    const QByteArray png = pngOf(DrawStage(map, indexed.isNull() ? tiles : &indexed, line.grid), line.scale);
    if (line.toStandardOutput()) {
        if (png.isEmpty())
            throw VorzoError::cannotWrite(CompanionText::text(Id::StandardOutput));
        writeOut(png);
        return Success;
    }
    if (png.isEmpty())
        throw VorzoError::cannotCreate(line.output);
    writing(line.output, [&] { saveFileSafely(line.output, png); });
    return Success;
}

// Whether the picture to draw from is a metafile: its text is drawn with
// the desktop's fonts, which need a graphical application (no display).
// Decided on the command line as the command reads it, so that every
// spelling of the option ("--picture FILE", "--picture=FILE") counts.
bool drawsFromAMetafile(const QStringList &arguments)
{
    try {
        const CommandLine line = CommandLine::parse(arguments);
        const bool draws = line.command == CommandLine::Command::Render || line.command == CommandLine::Command::Export;
        return draws && !line.picture.isEmpty() && PictureFile::kindOf(line.picture) == PatternImage::Kind::Metafile;
    } catch (const CommandLine::Misuse &) {
        return false; // the command says so itself
    } catch (const VorzoError &) {
        return false; // a picture of no known kind, likewise
    }
}

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
    const QString stage = arguments.at(2);
    const QString output = arguments.at(3);
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
