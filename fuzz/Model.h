#pragma once
// Small models of the program's text rules, written apart from the program's
// own code so that the fuzz targets have something to compare it with: lines
// and line ends, the key comparison, the page's parameter lines and the
// preferences file's profile rules.

#include <QByteArray>
#include <QList>

#include <array>
#include <map>
#include <optional>

namespace Model {

// CR LF, a lone CR and a lone LF each end a line; a last line without an end
// is a line, an end at the very end starts none.
inline QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> result;
    QByteArray line;
    bool open = false; // bytes since the last end
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            result.append(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line.append(c);
            open = true;
        }
    }
    if (open)
        result.append(line);
    return result;
}

// Every line followed by CR LF.
inline QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text.append(line).append("\r\n");
    return text;
}

// The text with each of its line ends made CR LF, and no end added.
inline QByteArray crlfEnds(const QByteArray &text)
{
    QByteArray result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the LF that follows gives the end
        result.append(text[i] == '\r' || text[i] == '\n' ? QByteArray("\r\n") : QByteArray(1, text[i]));
    }
    return result;
}

// Code page 932's first bytes of double-byte characters.
inline bool isLead(uchar c)
{
    return (0x81 <= c && c <= 0x9F) || (0xE0 <= c && c <= 0xFC);
}

// The ASCII letters of single-byte characters in upper case.
inline QByteArray folded(const QByteArray &text)
{
    QByteArray result = text;
    bool trail = false;
    for (char &c : result) {
        if (trail)
            trail = false;
        else if (isLead(uchar(c)))
            trail = true;
        else if ('a' <= c && c <= 'z')
            c = char(c - 32);
    }
    return result;
}

inline bool sameKey(const QByteArray &a, const QByteArray &b)
{
    return folded(a) == folded(b);
}

// The page's map lines: 3 segments of 60 columns, 30 rows each; `cells`
// column by column, 30 a column.
inline QByteArray mapLines(const std::array<uchar, 5400> &cells)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz123456789+-*/";
    QByteArray text;
    for (int segment = 0; segment < 3; ++segment) {
        for (int row = 0; row < 30; ++row) {
            text += "<PARAM NAME=\"map" + QByteArray::number(segment) + '-' + QByteArray::number(row) + '"';
            text += row < 10 ? "  VALUE=\"" : " VALUE=\"";
            for (int column = segment * 60; column < segment * 60 + 60; ++column) {
                const uchar code = cells[size_t(column * 30 + row)];
                text += code < 65 ? letters[code] : '.';
            }
            text += "\">\r\n";
        }
    }
    return text;
}

// The page's settings lines: each entry's key with the value of the first
// entry of an equal key; an entry without "=" has the empty key.
inline QByteArray settingsLines(const QList<QByteArray> &entries)
{
    std::map<QByteArray, QByteArray> first;
    for (const QByteArray &entry : entries) {
        if (const qsizetype eq = entry.indexOf('='); eq >= 0)
            first.emplace(folded(entry.left(eq)), entry.mid(eq + 1));
    }
    QByteArray text;
    for (const QByteArray &entry : entries) {
        const QByteArray key = entry.left(qMax<qsizetype>(entry.indexOf('='), 0));
        const auto value = first.find(folded(key));
        text += "<PARAM NAME=\"" + key + "\" VALUE=\"" + (value == first.end() ? QByteArray() : value->second)
                + "\">\r\n";
    }
    return text;
}

// The preferences file, a line and its end at a time.
namespace Profile {

struct Line
{
    QByteArray text, end;
};

inline QList<Line> linesOf(const QByteArray &bytes)
{
    QList<Line> result;
    Line line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            line.text += c;
            continue;
        }
        line.end = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? QByteArray("\r\n") : QByteArray(1, c);
        i += line.end.size() - 1;
        result.append(line);
        line = {};
    }
    if (!line.text.isEmpty())
        result.append(line);
    return result;
}

inline QByteArray blanksTrimmed(const QByteArray &text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && (text[from] == ' ' || text[from] == '\t'))
        ++from;
    while (to > from && (text[to - 1] == ' ' || text[to - 1] == '\t'))
        --to;
    return text.sliced(from, to - from);
}

// "[name]" with a "]" that is no trail byte; blanks around both.
inline std::optional<QByteArray> sectionName(const QByteArray &text)
{
    const QByteArray line = blanksTrimmed(text);
    if (!line.startsWith('['))
        return {};
    for (qsizetype i = 1; i < line.size(); i += isLead(uchar(line[i])) ? 2 : 1) {
        if (line[i] == ']')
            return blanksTrimmed(line.sliced(1, i - 1));
    }
    return {};
}

// "name=value", not a comment.
inline std::optional<QByteArray> keyName(const QByteArray &text)
{
    if (!text.contains('=') || blanksTrimmed(text).startsWith(';'))
        return {};
    return blanksTrimmed(text.left(text.indexOf('=')));
}

// Where the first section of the name starts and ends, and its first line
// of the key (-1 for none).
struct Place
{
    qsizetype header = -1, end = -1, key = -1;
};

inline Place find(const QList<Line> &lines, const QByteArray &section, const QByteArray &key)
{
    Place place;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QByteArray> name = sectionName(lines[i].text);
        if (place.header < 0) {
            if (name && sameKey(*name, section))
                place.header = i;
            continue;
        }
        if (name)
            break;
        if (const std::optional<QByteArray> k = keyName(lines[i].text); place.key < 0 && k && sameKey(*k, key))
            place.key = i;
        place.end = i;
    }
    if (place.header >= 0)
        place.end = (place.end < 0 ? place.header : place.end) + 1;
    return place;
}

// The value's bytes as stored: without blanks around it and without one
// pair of enclosing quotes of either kind.
inline std::optional<QByteArray> read(const QByteArray &bytes, const QByteArray &section, const QByteArray &key)
{
    const QList<Line> lines = linesOf(bytes);
    const Place place = find(lines, section, key);
    if (place.key < 0)
        return {};
    const QByteArray &text = lines[place.key].text;
    QByteArray value = blanksTrimmed(text.mid(text.indexOf('=') + 1));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.sliced(1, value.size() - 2);
    return value;
}

// The file after writing the key: its line rewritten in place, keeping the
// key as spelled there; or a new line after the section's last line that
// is not blank; or the section and the key at the end of the file.
inline QByteArray write(const QByteArray &bytes, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value)
{
    QList<Line> lines = linesOf(bytes);
    const Place place = find(lines, section, key);
    if (place.key >= 0) {
        lines[place.key].text = *keyName(lines[place.key].text) + '=' + value;
    } else if (place.header >= 0) {
        qsizetype last = place.end - 1;
        while (last > place.header && blanksTrimmed(lines[last].text).isEmpty())
            --last;
        if (lines[last].end.isEmpty())
            lines[last].end = "\r\n";
        lines.insert(last + 1, {key + '=' + value, "\r\n"});
    } else {
        if (!lines.isEmpty() && lines.back().end.isEmpty())
            lines.back().end = "\r\n";
        lines.append({'[' + section + ']', "\r\n"});
        lines.append({key + '=' + value, "\r\n"});
    }
    QByteArray result;
    for (const Line &line : lines)
        result += line.text + line.end;
    return result;
}

} // namespace Profile
} // namespace Model
