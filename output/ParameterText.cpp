#include "ParameterText.h"

#include "settings/SettingsList.h"
#include "stage/StageMap.h"

#include <QHash>

namespace {
constexpr int SegmentColumns = 60;
constexpr int Segments = StageMap::Columns / SegmentColumns;
constexpr int MapLineBytes = 93;
} // namespace

QByteArray MakeMapHTML(const StageMap &map)
{
    QByteArray text;
    text.reserve(qsizetype(Segments) * StageMap::Rows * MapLineBytes);
    for (int segment = 0; segment < Segments; ++segment) {
        for (int row = 0; row < StageMap::Rows; ++row) {
            text += "<PARAM NAME=\"map";
            text += QByteArray::number(segment);
            text += '-';
            text += QByteArray::number(row);
            // The extra blank for one-digit rows keeps every line the same length.
            text += row < 10 ? "\"  VALUE=\"" : "\" VALUE=\"";
            const int first = segment * SegmentColumns;
            for (int column = first; column < first + SegmentColumns; ++column)
                text += CellCodeToLetter(map.at(column, row));
            text += "\">\r\n";
        }
    }
    return text;
}

QByteArray MakeSettingsHTML(const SettingsList &settings)
{
    // The first value of every key, by its folded spelling.
    QHash<QByteArray, QByteArray> firstValues;
    firstValues.reserve(settings.size());
    qsizetype size = 0;
    for (const QByteArray &entry : settings.entries()) {
        size += 2 * entry.size() + 24;
        const qsizetype eq = entry.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = SettingsList::foldedKey(entry.left(eq));
        if (!firstValues.contains(key))
            firstValues.insert(key, entry.mid(eq + 1));
    }

    QByteArray text;
    text.reserve(size);
    for (const QByteArray &entry : settings.entries()) {
        const QByteArray key = SettingsList::keyOf(entry);
        text += "<PARAM NAME=\"";
        text += key;
        text += "\" VALUE=\"";
        text += firstValues.value(SettingsList::foldedKey(key));
        text += "\">\r\n";
    }
    return text;
}

PageParts finishedPage(const QByteArray &head, const StageMap &map, const SettingsList &settings,
                       const QByteArray &tail)
{
    return {head, MakeMapHTML(map), MakeSettingsHTML(settings), tail};
}
