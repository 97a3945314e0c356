#include "TimeText.h"

#include <QDate>
#include <QList>
#include <QTime>

#include <algorithm>

namespace {

// One piece of a locale's time format: a run of one pattern letter ("HH",
// "mm", "AP") or literal text (quotes removed).
struct Piece
{
    QString text;
    bool literal = false;
};

bool isPatternLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isMarkLetter(QChar c)
{
    return c == u'a' || c == u'A' || c == u'p' || c == u'P';
}

QList<Piece> piecesOf(const QString &format)
{
    QList<Piece> pieces;
    auto appendLiteral = [&pieces](QStringView text) {
        if (pieces.isEmpty() || !pieces.last().literal)
            pieces.append({QString(), true});
        pieces.last().text += text;
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            const qsizetype end = format.indexOf(u'\'', i + 1);
            if (end == i + 1) {
                appendLiteral(u"'"); // '' is a quote
                i += 2;
                continue;
            }
            const qsizetype stop = end < 0 ? format.size() : end;
            appendLiteral(QStringView(format).mid(i + 1, stop - i - 1));
            i = stop + 1;
        } else if (isPatternLetter(c)) {
            qsizetype end = i + 1;
            // "AP" and "ap" are one mark; other letters run while they repeat.
            while (end < format.size() && (format.at(end) == c || (isMarkLetter(c) && isMarkLetter(format.at(end)))))
                ++end;
            pieces.append({format.mid(i, end - i), false});
            i = end;
        } else {
            appendLiteral(QStringView(format).mid(i, 1));
            ++i;
        }
    }
    return pieces;
}

QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\'', QLatin1String("''"));
    return u'\'' + escaped + u'\'';
}

// The long time format made from the locale's short one, with seconds after
// the minutes and nothing else beside the hour, minutes, seconds and mark.
QString longTimeFormat(const QString &shortFormat)
{
    const QList<Piece> pieces = piecesOf(shortFormat);
    qsizetype hour = -1, minutes = -1, mark = -1;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces.at(i);
        if (piece.literal)
            continue;
        const QChar letter = piece.text.at(0);
        if (hour < 0 && (letter == u'h' || letter == u'H'))
            hour = i;
        else if (minutes < 0 && letter == u'm')
            minutes = i;
        else if (mark < 0 && (isMarkLetter(letter) || letter == u'B'))
            mark = i;
    }

    QString hourPattern = hour < 0 ? QStringLiteral("HH") : pieces.at(hour).text.left(2);
    const bool twelveHour = hourPattern.at(0) == u'h';
    // The separator is the text between the hour and the minutes, when it
    // is one: a unit such as " h " is not.
    QString separator = QStringLiteral(":");
    if (hour >= 0 && minutes == hour + 2 && pieces.at(hour + 1).literal) {
        const QString between = pieces.at(hour + 1).text;
        if (!between.trimmed().isEmpty()
            && std::none_of(between.begin(), between.end(), [](QChar c) { return c.isLetter(); }))
            separator = between;
    }

    QString format = hourPattern + quoted(separator) + QStringLiteral("mm") + quoted(separator) + QStringLiteral("ss");
    if (twelveHour) {
        // The locale's own mark pattern keeps its letter case; a day-period
        // pattern Qt does not write ("B") becomes the plain mark.
        const QString markPattern = mark >= 0 && isMarkLetter(pieces.at(mark).text.at(0)) ? pieces.at(mark).text
                                                                                          : QStringLiteral("AP");
        format = mark >= 0 && mark < hour ? markPattern + u' ' + format : format + u' ' + markPattern;
    }
    return format;
}

} // namespace

TimeText::TimeText(const QLocale &locale)
    : m_locale(locale), m_dateFormat(locale.dateFormat(QLocale::ShortFormat)),
      m_timeFormat(longTimeFormat(locale.timeFormat(QLocale::ShortFormat)))
{
}

QString TimeText::date(const QDate &day) const
{
    return m_locale.toString(day, m_dateFormat);
}

QString TimeText::time(const QTime &moment) const
{
    return m_locale.toString(moment, m_timeFormat);
}
