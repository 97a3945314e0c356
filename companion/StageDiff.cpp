#include "StageDiff.h"

#include <QHash>

namespace {

struct Line
{
    QByteArray identity; // the key or the whole line, and which of its kind
    QByteArray key;
    QByteArray value;
    QByteArray line;
};

QList<Line> linesOf(const SettingsList &settings)
{
    QHash<QByteArray, int> seen;
    QList<Line> lines;
    for (const QByteArray &entry : settings.entries()) {
        const qsizetype eq = entry.indexOf('=');
        // No line holds a zero byte: it parts the name from the count.
        QByteArray name = eq < 0 ? '#' + entry : '=' + entry.left(eq);
        const int count = seen[name]++;
        lines.append({name + '\0' + QByteArray::number(count), entry.left(eq), entry.mid(eq + 1), entry});
    }
    return lines;
}

} // namespace

StageDiff diffStages(const StageMap &mapBefore, const SettingsList &before, const StageMap &mapAfter,
                     const SettingsList &after)
{
    StageDiff diff;
    for (int i = 0; i < StageMap::Cells; ++i) {
        if (mapBefore.atIndex(i) != mapAfter.atIndex(i))
            diff.cells.append({i / StageMap::Rows, i % StageMap::Rows, mapBefore.atIndex(i), mapAfter.atIndex(i)});
    }

    using Kind = SettingChange::Kind;
    const QList<Line> was = linesOf(before), is = linesOf(after);
    QHash<QByteArray, const Line *> inAfter, inBefore;
    for (const Line &line : is)
        inAfter.insert(line.identity, &line);
    for (const Line &line : was)
        inBefore.insert(line.identity, &line);
    QList<QByteArray> pairedBefore, pairedAfter; // the identities both have, in each list's order
    for (const Line &line : was) {
        const Line *other = inAfter.value(line.identity);
        if (!other) {
            diff.settings.append({Kind::Removed, {}, line.line, {}});
            continue;
        }
        pairedBefore.append(line.identity);
        if (other->value != line.value)
            diff.settings.append({Kind::Changed, line.key, line.value, other->value});
    }
    for (const Line &line : is) {
        if (!inBefore.contains(line.identity))
            diff.settings.append({Kind::Added, {}, {}, line.line});
        else
            pairedAfter.append(line.identity);
    }
    if (pairedBefore != pairedAfter)
        diff.settings.append({Kind::Order, {}, {}, {}});
    return diff;
}
