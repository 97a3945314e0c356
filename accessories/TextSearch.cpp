#include "TextSearch.h"

#include "platform/Dialogs.h"

#include <QList>

#include <array>

namespace TextSearch {
namespace {

// The case-folded character at `i`; `i` moves past it.
char32_t foldedAt(QStringView text, qsizetype &i)
{
    const char16_t unit = text[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        const char32_t character = QChar::surrogateToUcs4(unit, text[i + 1].unicode());
        i += 2;
        return QChar::toCaseFolded(character);
    }
    ++i;
    return QChar::toCaseFolded(char32_t(unit));
}

// The length of the match of the folded `what` at `at`, or -1.
qsizetype matchLength(QStringView text, qsizetype at, const QList<char32_t> &what)
{
    qsizetype i = at;
    for (const char32_t wanted : what) {
        if (i >= text.size() || foldedAt(text, i) != wanted)
            return -1;
    }
    return i - at;
}

// The UTF-16 units that can begin a match of a text whose first folded
// character is `first`: a plain scan over them is many times faster than
// folding every character of the text.
class FirstUnits
{
public:
    explicit FirstUnits(char32_t first)
    {
        if (first > 0xFFFF) {
            for (char32_t unit = 0xD800; unit <= 0xDBFF; ++unit)
                mark(unit);
            return;
        }
        for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
            if (QChar::toCaseFolded(unit) == first)
                mark(unit);
        }
    }
    bool contains(char16_t unit) const { return (m_bits[unit >> 6] >> (unit & 63)) & 1; }

private:
    void mark(char32_t unit) { m_bits[unit >> 6] |= quint64(1) << (unit & 63); }
    std::array<quint64, 0x10000 / 64> m_bits{};
};

} // namespace

qsizetype startOf(Span selection)
{
    return selection.length > 0 ? selection.end() : 0;
}

std::optional<Span> findFrom(QStringView text, QStringView what, qsizetype from)
{
    if (what.isEmpty() || from >= text.size())
        return std::nullopt;
    QList<char32_t> folded;
    for (qsizetype i = 0; i < what.size();)
        folded.append(foldedAt(what, i));
    const FirstUnits firstUnits(folded.constFirst());
    const char16_t *units = text.utf16();
    for (qsizetype at = std::max<qsizetype>(from, 0); at < text.size(); ++at) {
        if (!firstUnits.contains(units[at]))
            continue;
        if (const qsizetype length = matchLength(text, at, folded); length > 0)
            return Span{at, length};
    }
    return std::nullopt;
}

std::optional<Span> find(QStringView text, Span selection, QStringView what)
{
    return findFrom(text, what, startOf(selection));
}

void replace(Editable &editable, const QString &what, const QString &with, bool all)
{
    do {
        const std::optional<Span> match = find(editable.text(), editable.selection(), what);
        if (!match) {
            dialogs().message(QString::fromUtf16(NotFound));
            return;
        }
        editable.select(*match);
        const WarningButton answer = dialogs().warning(QString::fromUtf16(ReplaceQuestion),
                                                       {WarningButton::Yes, WarningButton::No});
        if (answer == WarningButton::Yes)
            editable.replaceSelection(with);
    } while (all);
}

} // namespace TextSearch
