#include "DiffReport.h"

#include "CompanionText.h"
#include "PaletteNames.h"

#include "platform/ShiftJis.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using CompanionText::Id;
using CompanionText::number;
using CompanionText::text;

namespace {

// "a レンガ", ". 空白"; a code no entry places: ". (コード 200)".
QString cellText(CellCode code)
{
    const QString name = paletteNameOf(code);
    return QString(QLatin1Char(CellCodeToLetter(code))) + QLatin1Char(' ')
           + (name.isEmpty() ? text(Id::CodeOutside).arg(code) : name);
}

QJsonObject cellObject(CellCode code)
{
    return {{QStringLiteral("code"), code},
            {QStringLiteral("letter"), QString(QLatin1Char(CellCodeToLetter(code)))},
            {QStringLiteral("name"), paletteNameOf(code)}};
}

const char *kindName(SettingChange::Kind kind)
{
    switch (kind) {
    case SettingChange::Kind::Changed: return "changed";
    case SettingChange::Kind::Added: return "added";
    case SettingChange::Kind::Removed: return "removed";
    case SettingChange::Kind::Order: return "order";
    }
    return "";
}

} // namespace

QByteArray diffLines(const StageDiff &diff)
{
    QString out;
    for (const CellChange &cell : diff.cells)
        out += text(Id::CellChanged)
                   .arg(number(cell.column), number(cell.row), cellText(cell.before), cellText(cell.after))
               + QLatin1Char('\n');
    using Kind = SettingChange::Kind;
    for (const SettingChange &change : diff.settings) {
        switch (change.kind) {
        case Kind::Changed:
            out += text(Id::SettingChanged)
                       .arg(ShiftJis::decode(change.key), ShiftJis::decode(change.before),
                            ShiftJis::decode(change.after));
            break;
        case Kind::Added: out += text(Id::SettingAdded).arg(ShiftJis::decode(change.after)); break;
        case Kind::Removed: out += text(Id::SettingRemoved).arg(ShiftJis::decode(change.before)); break;
        case Kind::Order: out += text(Id::SettingsOrder); break;
        }
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

QByteArray diffJson(const StageDiff &diff, const QString &before, const QString &after)
{
    QJsonArray cells;
    for (const CellChange &cell : diff.cells)
        cells.append(QJsonObject{{QStringLiteral("column"), cell.column},
                                 {QStringLiteral("row"), cell.row},
                                 {QStringLiteral("before"), cellObject(cell.before)},
                                 {QStringLiteral("after"), cellObject(cell.after)}});
    QJsonArray settings;
    for (const SettingChange &change : diff.settings) {
        QJsonObject object{{QStringLiteral("kind"), QLatin1String(kindName(change.kind))}};
        if (change.kind == SettingChange::Kind::Changed) {
            object.insert(QStringLiteral("key"), ShiftJis::decode(change.key));
            object.insert(QStringLiteral("before"), ShiftJis::decode(change.before));
            object.insert(QStringLiteral("after"), ShiftJis::decode(change.after));
        } else if (change.kind != SettingChange::Kind::Order) {
            object.insert(QStringLiteral("line"),
                          ShiftJis::decode(change.kind == SettingChange::Kind::Added ? change.after : change.before));
        }
        settings.append(object);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("before"), before},
                                     {QStringLiteral("after"), after},
                                     {QStringLiteral("equal"), diff.isEmpty()},
                                     {QStringLiteral("cells"), cells},
                                     {QStringLiteral("settings"), settings}})
        .toJson(QJsonDocument::Indented);
}
