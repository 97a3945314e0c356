// The stage check's findings point at what they say: an undecodable byte is
// the byte at its line and place, and the line without those bytes is code
// page 932 text through and through; every line the findings name exists; a
// foreign code's cell holds that code; a settings file of the defaults with
// the input appended as one more value finds nothing but on that line.
#include "FuzzCheck.h"

#include "companion/StageCheck.h"
#include "output/StageFiles.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "settings/DefaultSettings.h"
#include "stage/StageMap.h"

#include <QMap>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QList<QByteArray> lines = StageFiles::settingsFromText(bytes).entries();
    QMap<int, QList<int>> undecodable; // line -> places, from 1
    for (const StageFinding &finding : checkSettings(QStringLiteral("in.kwp"), bytes)) {
        Fuzz::check(finding.line >= 0 && finding.line <= lines.size() + 1, "a finding names a line the file has");
        if (finding.kind != StageFinding::Kind::InvalidByte)
            continue;
        const QByteArray &line = lines.at(finding.line - 1);
        Fuzz::check(finding.byte >= 1 && finding.byte <= line.size(), "the byte lies in its line");
        Fuzz::check(uchar(line.at(finding.byte - 1)) == finding.value, "the byte named is the byte there");
        undecodable[finding.line].append(finding.byte);
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray rest = lines.at(i);
        const QList<int> places = undecodable.value(int(i) + 1);
        for (auto place = places.crbegin(); place != places.crend(); ++place)
            rest.remove(*place - 1, 1);
        const QString text = ShiftJis::decode(rest);
        Fuzz::check(
            std::none_of(text.begin(), text.end(), [](QChar c) { return ShiftJis::byteOfSubstitute(c).has_value(); }),
            "without the bytes found, the line is all text");
    }

    // The same bytes as a value after the 71 defaults.
    QByteArray value = bytes;
    value.replace('\0', ' ').replace('\r', ' ').replace('\n', ' ');
    const QByteArray settings = TextLines::join(defaultSettings().entries()) + "extra=" + value + "\r\n";
    for (const StageFinding &finding : checkSettings(QStringLiteral("in.kwp"), settings))
        Fuzz::check(finding.line == 72, "the defaults themselves are sound");

    // The same bytes as a map.
    StageMap map;
    for (qsizetype i = 0; i < std::min<qsizetype>(bytes.size(), StageMap::Cells); ++i)
        map.setIndex(int(i), CellCode(bytes.at(i)));
    for (const StageFinding &finding : checkMap(QStringLiteral("in.kwt"), map, bytes.size())) {
        if (finding.kind == StageFinding::Kind::MapSize) {
            Fuzz::check(finding.value == bytes.size() && bytes.size() != StageMap::Cells,
                        "the size is reported as it is");
            continue;
        }
        const CellCode code = map.at(finding.column, finding.row);
        Fuzz::check(code == finding.value && code > LastPlaceableCode && code != EmptyCell,
                    "a foreign code is the code of its cell");
    }
    return 0;
}
