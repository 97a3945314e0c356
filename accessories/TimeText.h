#pragma once
// The clock's date and time texts in a locale's forms. The time text is also
// what the alarm compares, character for character.

#include <QLocale>
#include <QString>

class QDate;
class QTime;

class TimeText
{
public:
    explicit TimeText(const QLocale &locale);

    // The locale's short date.
    QString date(const QDate &day) const;
    // The locale's long time: the hour (with a leading zero only where the
    // locale writes one), minutes and seconds of two digits, joined by the
    // locale's separator; with a 12-hour clock the locale's morning or
    // afternoon mark before or after it, as the locale places it, and a space.
    QString time(const QTime &moment) const;

    // The format time() writes with (QLocale's format language).
    const QString &timeFormat() const { return m_timeFormat; }

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
};
