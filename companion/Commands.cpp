// vorzo-stage's commands but the pictures: the page, the check, the stage
// from a Tiled map, the text and the differences, the help and the version.

#include "Commands.h"

#include "CompanionText.h"
#include "DiffReport.h"
#include "Run.h"
#include "StageCheck.h"
#include "StageDiff.h"
#include "StageText.h"
#include "TiledFile.h"

#include "output/PageTemplates.h"
#include "output/ParameterText.h"
#include "output/StageFiles.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"
#include "platform/WholeFile.h"
#include "settings/SettingsList.h"
#include "stage/StageMap.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Companion;
using CompanionText::Id;
using CompanionText::number;
using CompanionText::text;

namespace {

// A map of a stage is some 100 KB in its largest form, and a long settings
// list adds a few megabytes; a longer file is refused unread, so that no
// parser holds what it would make of it.
constexpr qint64 MaxTiledMapBytes = qint64(16) << 20;

// A template file as the page takes it: as if pasted into its box, which
// keeps every byte and ends every line with CR LF.
QByteArray templateFrom(const QString &path)
{
    return TextLines::fromEditText(TextLines::toEditText(WholeFile::readOrThrow(path)));
}

// The page F7 makes after the stage is opened in a newly started editor.
int page(const CommandLine &line)
{
    const QString settingsPath = StageFiles::settingsPathOf(StageFiles::baseOf(line.stage));
    refuseOutputOverInput(line.output, {line.stage, settingsPath, line.before, line.after});
    StageMap map;
    reading(line.stage, [&] { StageFiles::readMap(line.stage, map); });
    const SettingsList settings = reading(settingsPath, [&] { return StageFiles::readSettings(settingsPath); });
    auto templateOr = [](const QString &path, const QByteArray &byDefault) {
        return path.isEmpty() ? byDefault : reading(path, [&] { return templateFrom(path); });
    };
    const PageParts parts = finishedPage(templateOr(line.before, defaultHeadTemplate()), map, settings,
                                         templateOr(line.after, defaultTailTemplate()));
    if (line.toStandardOutput())
        writeOut(parts.joined());
    else
        writing(line.output, [&] { StageFiles::writePage(line.output, parts.joined()); });
    return Success;
}

QString findingText(const StageFinding &finding)
{
    using Kind = StageFinding::Kind;
    const QString key = ShiftJis::decode(finding.key);
    switch (finding.kind) {
    case Kind::MapSize:
        return text(finding.value < StageMap::Cells ? Id::MapShort : Id::MapLong).arg(number(finding.value));
    case Kind::ForeignCode:
        return text(Id::ForeignCode).arg(number(finding.column), number(finding.row), number(finding.value));
    case Kind::NoSettings:
        return CompanionText::systemMessage(*finding.error)
               + (finding.reason.isEmpty() ? QString() : QStringLiteral(": ") + finding.reason);
    case Kind::InvalidByte:
        return text(Id::InvalidByte)
            .arg(QString::number(finding.value, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    case Kind::NoEquals: return text(Id::NoEquals);
    case Kind::UnknownKey: return text(Id::UnknownKey).arg(key);
    case Kind::RepeatedKey: return text(Id::RepeatedKey).arg(key, number(finding.value));
    case Kind::ZeroByte: return text(Id::ZeroByte);
    case Kind::MissingKey: return text(Id::MissingKey).arg(key);
    }
    return {};
}

// "file:line:byte: text", the parts that apply.
QString findingLine(const StageFinding &finding)
{
    QString place = finding.file;
    if (finding.line > 0)
        place += QLatin1Char(':') + QString::number(finding.line);
    if (finding.byte > 0)
        place += QLatin1Char(':') + QString::number(finding.byte);
    return place + QStringLiteral(": ") + findingText(finding);
}

QJsonObject findingObject(const StageFinding &finding)
{
    using Kind = StageFinding::Kind;
    static const char *const kinds[] = {"map-size",    "foreign-code", "no-settings", "invalid-byte", "no-equals",
                                        "unknown-key", "repeated-key", "zero-byte",   "missing-key"};
    QJsonObject object{{QStringLiteral("kind"), QLatin1String(kinds[int(finding.kind)])},
                       {QStringLiteral("file"), finding.file},
                       {QStringLiteral("message"), findingText(finding)}};
    if (finding.line > 0)
        object.insert(QStringLiteral("line"), finding.line);
    if (finding.byte > 0)
        object.insert(QStringLiteral("byte"), finding.byte);
    if (!finding.key.isEmpty())
        object.insert(QStringLiteral("key"), ShiftJis::decode(finding.key));
    switch (finding.kind) {
    case Kind::MapSize: object.insert(QStringLiteral("size"), finding.value); break;
    case Kind::ForeignCode:
        object.insert(QStringLiteral("column"), finding.column);
        object.insert(QStringLiteral("row"), finding.row);
        object.insert(QStringLiteral("code"), finding.value);
        break;
    case Kind::InvalidByte: object.insert(QStringLiteral("value"), finding.value); break;
    case Kind::RepeatedKey: object.insert(QStringLiteral("first_line"), finding.value); break;
    default: break;
    }
    return object;
}

int check(const CommandLine &line)
{
    const QList<StageFinding> findings = reading(line.stage, [&] { return checkStage(line.stage); });
    QByteArray out;
    if (line.json) {
        QJsonArray array;
        for (const StageFinding &finding : findings)
            array.append(findingObject(finding));
        out = QJsonDocument(QJsonObject{{QStringLiteral("stage"), line.stage}, {QStringLiteral("findings"), array}})
                  .toJson(QJsonDocument::Indented);
    } else {
        for (const StageFinding &finding : findings)
            out += findingLine(finding).toUtf8() + '\n';
    }
    writeOut(out);
    return findings.isEmpty() ? Success : Problem;
}

// A map saved by Tiled back as a stage: both files, or neither.
int importStage(const CommandLine &line)
{
    const QString settingsPath = StageFiles::settingsPathOf(StageFiles::baseOf(line.output));
    refuseOutputOverInput(line.output, {line.stage});
    refuseOutputOverInput(settingsPath, {line.stage});
    StageFiles::checkDistinctPaths(line.output, false);
    const QByteArray bytes = reading(line.stage,
                                     [&] { return WholeFile::readOrThrow(line.stage, {MaxTiledMapBytes}); });
    TiledStage::Stage stage;
    try {
        stage = TiledFile::read(bytes, *TiledFile::formatOf(line.stage));
    } catch (const VorzoError &refused) {
        throw VorzoError(line.stage + QStringLiteral(": ") + refused.message());
    }
    writing(line.output, [&] { StageFiles::writeMap(line.output, stage.map); });
    writing(settingsPath, [&] { StageFiles::writeSettings(settingsPath, stage.settings); });
    return Success;
}

int mapText(const CommandLine &line)
{
    StageMap map;
    reading(line.stage, [&] { StageFiles::readMap(line.stage, map); });
    writeOut(stageText(map));
    return Success;
}

int diff(const CommandLine &line)
{
    StageMap maps[2];
    SettingsList settings[2];
    const QString stages[2] = {line.stage, line.other};
    for (int i = 0; i < 2; ++i) {
        const QString settingsPath = StageFiles::settingsPathOf(StageFiles::baseOf(stages[i]));
        reading(stages[i], [&] { StageFiles::readMap(stages[i], maps[i]); });
        settings[i] = reading(settingsPath, [&] { return StageFiles::readSettings(settingsPath); });
    }
    const StageDiff differences = diffStages(maps[0], settings[0], maps[1], settings[1]);
    writeOut(line.json ? diffJson(differences, stages[0], stages[1]) : diffLines(differences));
    return differences.isEmpty() ? Success : Problem;
}

} // namespace

int Companion::stageCommand(const CommandLine &line, const std::function<int()> &draw)
{
    switch (line.command) {
    case CommandLine::Command::Help: writeOut(text(Id::Help).toUtf8()); return Success;
    case CommandLine::Command::Version: writeOut(QByteArrayLiteral("vorzo-stage " VORZO_VERSION "\n")); return Success;
    case CommandLine::Command::Page: return page(line);
    case CommandLine::Command::Check: return check(line);
    case CommandLine::Command::Render:
    case CommandLine::Command::Export: return draw();
    case CommandLine::Command::Import: return importStage(line);
    case CommandLine::Command::Text: return mapText(line);
    case CommandLine::Command::Diff: return diff(line);
    }
    return Problem;
}
