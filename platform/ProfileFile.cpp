#include "ProfileFile.h"

#include "platform/SafeSave.h"
#include "platform/ShiftJis.h"

#include <QFile>
#include <optional>

namespace ProfileFile {
namespace {

constexpr qsizetype MaxValueCharacters = 2047;

// One line of the file with the end it had, so untouched lines are written
// back exactly.
struct Line
{
    QByteArray text;
    QByteArray end;
};

QList<Line> linesOf(const QByteArray &bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        const qsizetype endLength = (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ? 2 : 1;
        lines.append({bytes.mid(start, i - start), bytes.mid(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append({bytes.mid(start), {}});
    return lines;
}

QByteArray bytesOf(const QList<Line> &lines)
{
    QByteArray bytes;
    for (const Line &line : lines)
        bytes += line.text + line.end;
    return bytes;
}

QByteArray trimmedBlanks(const QByteArray &text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && (text.at(from) == ' ' || text.at(from) == '\t'))
        ++from;
    while (to > from && (text.at(to - 1) == ' ' || text.at(to - 1) == '\t'))
        --to;
    return text.mid(from, to - from);
}

std::optional<QByteArray> sectionOf(const QByteArray &text)
{
    const QByteArray trimmed = trimmedBlanks(text);
    const qsizetype close = trimmed.indexOf(']');
    if (!trimmed.startsWith('[') || close < 0)
        return std::nullopt;
    return trimmedBlanks(trimmed.mid(1, close - 1));
}

// Comment lines (";" first) and lines without "=" are no keys.
std::optional<QByteArray> keyOf(const QByteArray &text)
{
    const qsizetype eq = text.indexOf('=');
    if (eq < 0 || trimmedBlanks(text).startsWith(';'))
        return std::nullopt;
    return trimmedBlanks(text.left(eq));
}

// Where a section's lines lie: its header line and the line after its last.
struct SectionSpan
{
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionSpan findSection(const QList<Line> &lines, const QByteArray &section)
{
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionOf(lines.at(i).text);
        if (!name)
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (ShiftJis::equalIgnoringAsciiCase(*name, section))
            span.header = i;
    }
    if (span.header >= 0)
        span.end = lines.size();
    return span;
}

qsizetype findKey(const QList<Line> &lines, const SectionSpan &span, const QByteArray &key)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const auto name = keyOf(lines.at(i).text);
        if (name && ShiftJis::equalIgnoringAsciiCase(*name, key))
            return i;
    }
    return -1;
}

QByteArray fileBytes(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace

QString read(const QString &file, const QString &section, const QString &key, const QString &fallback)
{
    const QList<Line> lines = linesOf(fileBytes(file));
    const SectionSpan span = findSection(lines, ShiftJis::encode(section));
    if (span.header < 0)
        return fallback;
    const qsizetype at = findKey(lines, span, ShiftJis::encode(key));
    if (at < 0)
        return fallback;
    const QByteArray &text = lines.at(at).text;
    QByteArray value = trimmedBlanks(text.mid(text.indexOf('=') + 1));
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return ShiftJis::decode(value).left(MaxValueCharacters);
}

void write(const QString &file, const QString &section, const QString &key, const QString &value)
{
    const QByteArray sectionBytes = ShiftJis::encode(section);
    const QByteArray keyLine = ShiftJis::encode(key) + '=' + ShiftJis::encode(value);
    const QByteArray crlf("\r\n");

    QList<Line> lines = linesOf(fileBytes(file));
    const SectionSpan span = findSection(lines, sectionBytes);
    if (span.header < 0) {
        if (!lines.isEmpty() && lines.last().end.isEmpty())
            lines.last().end = crlf;
        lines.append({'[' + sectionBytes + ']', crlf});
        lines.append({keyLine, crlf});
    } else if (const qsizetype at = findKey(lines, span, ShiftJis::encode(key)); at >= 0) {
        lines[at].text = keyLine;
    } else {
        // After the section's last non-blank line, so blank separators stay
        // in front of the next section.
        qsizetype after = span.end - 1;
        while (after > span.header && trimmedBlanks(lines.at(after).text).isEmpty())
            --after;
        if (lines.at(after).end.isEmpty())
            lines[after].end = crlf;
        lines.insert(after + 1, {keyLine, crlf});
    }
    saveFileSafely(file, bytesOf(lines), &VorzoError::cannotWrite);
}

} // namespace ProfileFile
