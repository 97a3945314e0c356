#include "StageCheck.h"

#include "FileReason.h"

#include "output/StageFiles.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"
#include "settings/DefaultSettings.h"
#include "stage/StageMap.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

using Kind = StageFinding::Kind;

void findInvalidBytes(const QString &file, int line, const QByteArray &bytes, QList<StageFinding> &findings)
{
    const QString text = ShiftJis::decode(bytes);
    qsizetype at = 0; // the byte the next character starts at
    for (const QChar c : text) {
        if (const std::optional<uchar> byte = ShiftJis::byteOfSubstitute(c)) {
            findings.append({Kind::InvalidByte, file, line, int(at) + 1, -1, -1, *byte, {}, {}, {}});
            at += 1;
        } else {
            // A character that decoded is two bytes exactly when it starts
            // with a lead byte.
            at += ShiftJis::isLeadByte(uchar(bytes.at(at))) ? 2 : 1;
        }
    }
}

} // namespace

QList<StageFinding> checkMap(const QString &file, const StageMap &map, qint64 size)
{
    QList<StageFinding> findings;
    if (size != StageMap::Cells)
        findings.append({Kind::MapSize, file, 0, 0, -1, -1, size, {}, {}, {}});
    for (int i = 0; i < StageMap::Cells; ++i) {
        const CellCode code = map.atIndex(i);
        if (!isPlaceableCode(code))
            findings.append({Kind::ForeignCode, file, 0, 0, i / StageMap::Rows, i % StageMap::Rows, code, {}, {}, {}});
    }
    return findings;
}

QList<StageFinding> checkSettings(const QString &file, const QByteArray &text)
{
    QList<StageFinding> findings;
    const SettingsList settings = StageFiles::settingsFromText(text);
    for (qsizetype i = 0; i < settings.size(); ++i)
        findInvalidBytes(file, int(i) + 1, settings.entry(i), findings);

    QSet<QByteArray> defaultKeys;
    const SettingsList defaults = defaultSettings();
    for (const QByteArray &entry : defaults.entries())
        defaultKeys.insert(SettingsList::foldedKey(SettingsList::keyOf(entry)));
    QHash<QByteArray, int> firstLines; // every key met, folded, and the line it came first
    for (qsizetype i = 0; i < settings.size(); ++i) {
        const QByteArray &entry = settings.entry(i);
        const int line = int(i) + 1;
        if (!entry.contains('=')) {
            findings.append({Kind::NoEquals, file, line, 0, -1, -1, 0, {}, {}, {}});
            continue;
        }
        const QByteArray key = SettingsList::keyOf(entry);
        const QByteArray folded = SettingsList::foldedKey(key);
        if (const int first = firstLines.value(folded)) {
            findings.append({Kind::RepeatedKey, file, line, 0, -1, -1, first, key, {}, {}});
            continue;
        }
        firstLines.insert(folded, line);
        if (!defaultKeys.contains(folded))
            findings.append({Kind::UnknownKey, file, line, 0, -1, -1, 0, key, {}, {}});
    }
    // The editor reads no further than a zero byte.
    if (const qsizetype zero = text.indexOf('\0'); zero >= 0)
        findings.append(
            {Kind::ZeroByte, file, int(TextLines::split(text.left(zero) + 'x').size()), 0, -1, -1, 0, {}, {}, {}});
    // Line by line, then what no line has.
    std::stable_sort(findings.begin(), findings.end(),
                     [](const StageFinding &a, const StageFinding &b) { return a.line < b.line; });
    for (const QByteArray &entry : defaults.entries()) {
        const QByteArray key = SettingsList::keyOf(entry);
        if (!firstLines.contains(SettingsList::foldedKey(key)))
            findings.append({Kind::MissingKey, file, 0, 0, -1, -1, 0, key, {}, {}});
    }
    return findings;
}

QList<StageFinding> checkStage(const QString &mapPath)
{
    StageMap map;
    StageFiles::readMap(mapPath, map);
    QList<StageFinding> findings = checkMap(mapPath, map, QFileInfo(mapPath).size());
    const QString settingsPath = StageFiles::settingsPathOf(StageFiles::baseOf(mapPath));
    try {
        findings += checkSettings(settingsPath, StageFiles::readSettingsText(settingsPath));
    } catch (const VorzoError &e) {
        const QString reason = e.id() == VorzoError::Id::CannotOpen ? FileReason::whyUnreadable(settingsPath)
                                                                    : QString();
        findings.append({Kind::NoSettings, settingsPath, 0, 0, -1, -1, 0, {}, e, reason});
    }
    return findings;
}
