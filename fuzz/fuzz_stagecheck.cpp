// The stage check on a stage whose map file and settings file both hold the
// input's bytes finds exactly what a model of its rules finds, in its order:
// - the map: its size unless 5,400, then every cell (column by column, the
//   cells the file does not reach empty) whose code no palette entry places;
// - the settings, line by line (the text ends at a zero byte): each byte
//   that is not code page 932 with its place, the line without "=", the key
//   the defaults lack or met before (with the line of its first use), the
//   zero byte; then the default keys no line has.
#include "FuzzCheck.h"
#include "Model.h"

#include "companion/StageCheck.h"
#include "platform/ShiftJis.h"
#include "settings/DefaultSettings.h"

#include <QMap>

#include <tuple>

namespace {

using Kind = StageFinding::Kind;
using Finding = std::tuple<Kind, QString, int, int, int, int, qint64, QByteArray>;

Finding tupleOf(const StageFinding &f)
{
    return {f.kind, f.file, f.line, f.byte, f.column, f.row, f.value, f.key};
}

bool isTrail(uchar c)
{
    return (0x40 <= c && c <= 0x7E) || (0x80 <= c && c <= 0xFC);
}

// Whether the bytes are one character of the code page.
bool isCharacter(const QByteArray &bytes)
{
    const QString text = ShiftJis::decode(bytes);
    return text.size() == 1 && !ShiftJis::byteOfSubstitute(text.at(0));
}

// The places (from 1) and values of the bytes of a line that are not code
// page 932: a lead byte without a trail or of a pair that is no character,
// the trail of such a pair when it is no character alone, any other byte
// that is no character.
QList<std::pair<int, uchar>> invalidBytes(const QByteArray &line)
{
    QList<std::pair<int, uchar>> found;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const uchar c = uchar(line[i]);
        const bool pair = Model::isLead(c) && i + 1 < line.size() && isTrail(uchar(line[i + 1]));
        if (pair && isCharacter(line.mid(i, 2))) {
            ++i;
        } else if (pair) {
            found.append({int(i) + 1, c});
            ++i;
            if (!isCharacter(line.mid(i, 1)))
                found.append({int(i) + 1, uchar(line[i])});
        } else if (Model::isLead(c) || !isCharacter(line.mid(i, 1))) {
            found.append({int(i) + 1, c});
        }
    }
    return found;
}

QList<Finding> mapFindings(const QString &file, const QByteArray &bytes)
{
    QList<Finding> expected;
    if (bytes.size() != 5400)
        expected.append({Kind::MapSize, file, 0, 0, -1, -1, bytes.size(), {}});
    for (int i = 0; i < 5400; ++i) {
        const uchar code = i < bytes.size() ? uchar(bytes[i]) : 99;
        if (code > 64 && code != 99)
            expected.append({Kind::ForeignCode, file, 0, 0, i / 30, i % 30, code, {}});
    }
    return expected;
}

QList<Finding> settingsFindings(const QString &file, const QByteArray &bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    const QList<QByteArray> lines = Model::lines(zero < 0 ? bytes : bytes.left(zero));
    const int zeroLine = zero < 0 ? -1 : int(Model::lines(bytes.left(zero) + 'x').size());
    QList<QByteArray> defaultKeys;
    const SettingsList defaults = defaultSettings();
    for (const QByteArray &entry : defaults.entries())
        defaultKeys.append(entry.left(entry.indexOf('=')));
    auto isDefault = [&](const QByteArray &key) {
        return std::any_of(defaultKeys.begin(), defaultKeys.end(),
                           [&](const QByteArray &d) { return Model::sameKey(d, key); });
    };
    QMap<QByteArray, int> firstLines; // by folded key
    QList<Finding> expected;
    for (int line = 1; line <= std::max(int(lines.size()), zeroLine); ++line) {
        if (line <= lines.size()) {
            const QByteArray &text = lines[line - 1];
            for (const auto &[place, value] : invalidBytes(text))
                expected.append({Kind::InvalidByte, file, line, place, -1, -1, value, {}});
            const QByteArray key = text.left(text.indexOf('='));
            if (!text.contains('='))
                expected.append({Kind::NoEquals, file, line, 0, -1, -1, 0, {}});
            else if (const int first = firstLines.value(Model::folded(key)))
                expected.append({Kind::RepeatedKey, file, line, 0, -1, -1, first, key});
            else {
                firstLines.insert(Model::folded(key), line);
                if (!isDefault(key))
                    expected.append({Kind::UnknownKey, file, line, 0, -1, -1, 0, key});
            }
        }
        if (line == zeroLine)
            expected.append({Kind::ZeroByte, file, line, 0, -1, -1, 0, {}});
    }
    for (const QByteArray &key : defaultKeys) {
        if (!firstLines.contains(Model::folded(key)))
            expected.append({Kind::MissingKey, file, 0, 0, -1, -1, 0, key});
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QString map = Fuzz::fileWith("in.kwt", bytes), settings = Fuzz::fileWith("in.kwp", bytes);
    QList<Finding> found;
    for (const StageFinding &finding : checkStage(map))
        found.append(tupleOf(finding));
    const QList<Finding> onTheMap = mapFindings(map, bytes);
    Fuzz::check(found.mid(0, onTheMap.size()) == onTheMap, "the map's findings are every one there is");
    Fuzz::check(found.mid(onTheMap.size()) == settingsFindings(settings, bytes),
                "the settings' findings are every one there is, in their order");
    return 0;
}
