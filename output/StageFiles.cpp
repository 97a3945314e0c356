#include "StageFiles.h"

#include "platform/SafeSave.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"
#include "platform/WholeFile.h"
#include "settings/SettingsList.h"
#include "stage/StageMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace StageFiles {

QString baseOf(const QString &path)
{
    const QFileInfo file(path);
    const QString name = file.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString folder = path.left(path.size() - name.size());
    return folder + (dot < 0 ? name : name.left(dot));
}

QString settingsPathOf(const QString &base)
{
    return base + QStringLiteral(".kwp");
}

QString pagePathOf(const QString &base)
{
    return base + QStringLiteral(".htm");
}

QString mapPathOf(const QString &base)
{
    return base + QStringLiteral(".kwt");
}

void writeMap(const QString &path, const StageMap &map)
{
    QByteArray bytes(StageMap::Cells, '\0');
    for (int i = 0; i < StageMap::Cells; ++i)
        bytes[i] = char(map.atIndex(i));
    saveFileSafely(path, bytes);
}

void writeSettings(const QString &path, const SettingsList &settings)
{
    saveFileSafely(path, TextLines::join(settings.entries()));
}

void writePage(const QString &path, const QByteArray &page)
{
    saveFileSafely(path, page);
}

void readMap(const QString &path, StageMap &map)
{
    const QByteArray bytes = WholeFile::readOrThrow(path, {StageMap::Cells, WholeFile::Longer::Cut});
    for (int i = 0; i < bytes.size(); ++i)
        map.setIndex(i, CellCode(bytes.at(i)));
}

SettingsList readSettings(const QString &path)
{
    return settingsFromText(readSettingsText(path));
}

QByteArray readSettingsText(const QString &path)
{
    return WholeFile::readOrThrow(path);
}

SettingsList settingsFromText(QByteArray text)
{
    if (const qsizetype zero = text.indexOf('\0'); zero >= 0)
        text.truncate(zero);
    return SettingsList(TextLines::split(text));
}

void checkDistinctPaths(const QString &mapPath, bool withPage)
{
    const QString base = baseOf(mapPath);
    const QString map = QDir::cleanPath(mapPath);
    if (map == QDir::cleanPath(settingsPathOf(base)))
        throw VorzoError(QStringLiteral("マップファイルと詳細設定ファイルが同じ %1 になるため保存できません。"
                                        "拡張子を .kwt にしてください")
                             .arg(mapPath));
    if (withPage && map == QDir::cleanPath(pagePathOf(base)))
        throw VorzoError(QStringLiteral("マップファイルとHTMLファイルが同じ %1 になるため保存できません。"
                                        "拡張子を .kwt にしてください")
                             .arg(mapPath));
}

} // namespace StageFiles
