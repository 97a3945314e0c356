#include "TiledFile.h"

#include "TmjFormat.h"
#include "TmxFormat.h"

#include "output/StageFiles.h"

#include <QFileInfo>

namespace TiledFile {

std::optional<Format> formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("tmx"), Qt::CaseInsensitive) == 0)
        return Format::Tmx;
    if (suffix.compare(QLatin1String("tmj"), Qt::CaseInsensitive) == 0)
        return Format::Tmj;
    return std::nullopt;
}

QString tilesetPathOf(const QString &mapPath)
{
    return StageFiles::baseOf(mapPath) + QStringLiteral("-tiles.png");
}

TiledStage::Stage read(const QByteArray &bytes, Format format)
{
    return TiledStage::stageOf(format == Format::Tmx ? TmxFormat::read(bytes) : TmjFormat::read(bytes));
}

QByteArray write(const Tiled::Map &map, Format format)
{
    return format == Format::Tmx ? TmxFormat::write(map) : TmjFormat::write(map);
}

} // namespace TiledFile
