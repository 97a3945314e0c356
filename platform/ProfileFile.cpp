#include "ProfileFile.h"

#include "WholeFile.h"
#include "platform/SafeSave.h"
#include "platform/ShiftJis.h"

#include <QFile>
#include <QFileInfo>
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

// The closing "]" on a character boundary: the trail byte of a double-byte
// character (0x5D in ゾ = 0x83 0x5D) is no bracket.
qsizetype closingBracket(const QByteArray &text)
{
    for (qsizetype i = 1; i < text.size(); ++i) {
        const uchar c = uchar(text.at(i));
        if (c == ']')
            return i;
        if (ShiftJis::isLeadByte(c))
            ++i;
    }
    return -1;
}

std::optional<QByteArray> sectionOf(const QByteArray &text)
{
    const QByteArray trimmed = trimmedBlanks(text);
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = closingBracket(trimmed);
    if (close < 0)
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

// The file's bytes; nothing when it cannot be read (missing or not ours).
std::optional<QByteArray> fileBytes(const QString &file)
{
    return WholeFile::readIfReadable(file);
}

bool holdsLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

} // namespace

QString read(const QString &file, const QString &section, const QString &key, const QString &fallback)
{
    const QList<Line> lines = linesOf(fileBytes(file).value_or(QByteArray()));
    const SectionSpan span = findSection(lines, ShiftJis::encode(section));
    if (span.header < 0)
        return fallback;
    const qsizetype at = findKey(lines, span, ShiftJis::encode(key));
    if (at < 0)
        return fallback;
    const QByteArray &text = lines.at(at).text;
    QByteArray value = trimmedBlanks(text.mid(text.indexOf('=') + 1));
    // One pair of double or of single quotes around the value is not part of it.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return ShiftJis::decode(value).left(MaxValueCharacters);
}

void write(const QString &file, const QString &section, const QString &key, const QString &value)
{
    // A line break would end the line and start keys of its own.
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value))
        throw VorzoError(QStringLiteral("改行を含む値は %1 に書き込めません").arg(file));
    const QByteArray sectionBytes = ShiftJis::encode(section);
    const QByteArray keyBytes = ShiftJis::encode(key);
    const QByteArray valueBytes = ShiftJis::encode(value);
    const QByteArray keyLine = keyBytes + '=' + valueBytes;
    const QByteArray crlf("\r\n");

    // A file that exists but cannot be read is not taken for an empty one.
    const std::optional<QByteArray> bytes = fileBytes(file);
    if (!bytes && QFileInfo::exists(file))
        throw VorzoError::cannotWrite(file);
    QList<Line> lines = linesOf(bytes.value_or(QByteArray()));
    const SectionSpan span = findSection(lines, sectionBytes);
    if (span.header < 0) {
        if (!lines.isEmpty() && lines.last().end.isEmpty())
            lines.last().end = crlf;
        lines.append({'[' + sectionBytes + ']', crlf});
        lines.append({keyLine, crlf});
    } else if (const qsizetype at = findKey(lines, span, keyBytes); at >= 0) {
        // The line keeps its own spelling of the key.
        lines[at].text = *keyOf(lines.at(at).text) + '=' + valueBytes;
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
