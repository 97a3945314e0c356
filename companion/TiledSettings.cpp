#include "TiledSettings.h"

#include "CompanionText.h"

#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"

#include <QMap>

#include <algorithm>

using CompanionText::Id;
using CompanionText::text;

namespace TiledSettings {
namespace {

const QLatin1String Base64Suffix("=base64");

// Text that goes into a property and comes back the same, from Tiled too:
// no substitute of a byte that did not decode, no control character below
// the space but the tab (XML cannot hold them).
bool isPlain(const QString &text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\t')) || ShiftJis::byteOfSubstitute(c).has_value();
    });
}

[[noreturn]] void refuse(Id id, const QString &name)
{
    throw VorzoError(text(id).arg(name));
}

QByteArray encoded(const QString &value, const QString &name)
{
    try {
        return ShiftJis::encode(value);
    } catch (const VorzoError &e) {
        throw VorzoError(text(Id::PropertyText).arg(name, e.message()));
    }
}

bool breaksALine(const QByteArray &line)
{
    return line.contains('\r') || line.contains('\n') || line.contains('\0');
}

// The line a property gives, and its number.
std::pair<qint64, QByteArray> lineOf(const Tiled::Property &property)
{
    const QString &name = property.name;
    qsizetype digits = 0;
    while (digits < name.size() && name.at(digits) >= QLatin1Char('0') && name.at(digits) <= QLatin1Char('9'))
        ++digits;
    if (digits == 0 || digits > 9)
        refuse(Id::PropertyName, name);
    const qint64 number = name.left(digits).toLongLong();
    const QString rest = name.mid(digits);
    if (!property.isText)
        refuse(Id::PropertyNotText, name);
    QByteArray line;
    if (rest == Base64Suffix) {
        const auto bytes = QByteArray::fromBase64Encoding(property.value.toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        if (!bytes || property.value.toLatin1() != bytes.decoded.toBase64())
            refuse(Id::PropertyBadBase64, name);
        line = bytes.decoded;
    } else if (rest.isEmpty()) {
        line = encoded(property.value, name);
    } else if (rest.startsWith(QLatin1Char(' ')) && !rest.contains(QLatin1Char('='))) {
        line = encoded(rest.mid(1), name) + '=' + encoded(property.value, name);
    } else {
        refuse(Id::PropertyName, name);
    }
    if (breaksALine(line))
        refuse(Id::PropertyLineBreak, name);
    return {number, line};
}

} // namespace

QList<Tiled::Property> propertiesOf(const SettingsList &settings)
{
    const int width = std::max<int>(3, int(QString::number(settings.size()).size()));
    QList<Tiled::Property> properties;
    for (qsizetype i = 0; i < settings.size(); ++i) {
        const QByteArray &line = settings.entry(i);
        const QString number = QStringLiteral("%1").arg(i + 1, width, 10, QLatin1Char('0'));
        const qsizetype eq = line.indexOf('=');
        const QString key = ShiftJis::decode(line.left(eq));
        const QString value = ShiftJis::decode(line.mid(eq + 1));
        const QString whole = ShiftJis::decode(line);
        Tiled::Property property{number, QStringLiteral("string"), {}, true};
        if (eq >= 0 && isPlain(key) && isPlain(value)) {
            property.name += QLatin1Char(' ') + key;
            property.value = value;
        } else if (eq < 0 && isPlain(whole)) {
            property.value = whole;
        } else {
            property.name += Base64Suffix;
            property.value = QString::fromLatin1(line.toBase64());
        }
        properties.append(property);
    }
    return properties;
}

SettingsList settingsOf(const QList<Tiled::Property> &properties)
{
    QMap<qint64, std::pair<QString, QByteArray>> lines; // by number: the property's name, the line
    for (const Tiled::Property &property : properties) {
        auto [number, line] = lineOf(property);
        if (const auto found = lines.constFind(number); found != lines.constEnd())
            throw VorzoError(text(Id::PropertyTwice).arg(found->first, property.name));
        lines.insert(number, {property.name, std::move(line)});
    }
    SettingsList settings;
    for (const auto &[name, line] : std::as_const(lines))
        settings.append(line);
    return settings;
}

} // namespace TiledSettings
