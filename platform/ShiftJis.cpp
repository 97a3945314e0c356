#include "ShiftJis.h"
#include "CodePage932.h"
#include "VorzoError.h"

#include <QList>
#include <algorithm>
#include <array>
#include <memory>

namespace ShiftJis {
namespace {

struct LookAlike
{
    char16_t typed;
    char16_t codePage;
};
constexpr LookAlike kLookAlikes[] = {
    {0x301C, 0xFF5E}, // WAVE DASH -> FULLWIDTH TILDE
    {0x2016, 0x2225}, // DOUBLE VERTICAL LINE -> PARALLEL TO
    {0x2212, 0xFF0D}, // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {0x2014, 0x2015}, // EM DASH -> HORIZONTAL BAR
    {0x00A2, 0xFFE0}, // CENT SIGN -> FULLWIDTH CENT SIGN
    {0x00A3, 0xFFE1}, // POUND SIGN -> FULLWIDTH POUND SIGN
    {0x00AC, 0xFFE2}, // NOT SIGN -> FULLWIDTH NOT SIGN
};

// A byte that does not decode is shown as a private-use character of its
// own, outside the code page's user-defined range (U+E000-U+E757), and
// encodes back to exactly that byte.
constexpr char16_t kUndecodedFirst = 0xF700;
constexpr char16_t kUndecodedLast = 0xF7FF;

bool isTrailByte(uchar byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// What a byte standing on its own shows: ASCII (control characters
// included) as it is, a byte above it as its character, else as its
// substitute.
QChar singleByte(uchar byte)
{
    if (byte < 0x80)
        return QChar(char16_t(byte));
    const char16_t c = CodePage932::kSingleBytes[byte - 0x80];
    return c ? QChar(c) : substituteOf(byte);
}

// What a lead byte and its trail decode to; 0 where they stay undecoded.
char16_t pairOf(uchar lead, uchar trail)
{
    return CodePage932::kPairs[CodePage932::leadIndex(lead)][trail - 0x40];
}

// The bytes each character above ASCII encodes to: the decoding tables
// turned round (lead byte high, 0 for a character the code page cannot
// hold). A character has at most one entry, since the tables keep only
// what encodes back to its bytes. Built at the first encode.
const std::array<quint16, 0x10000> &encodeTable()
{
    static const auto table = [] {
        auto t = std::make_unique<std::array<quint16, 0x10000>>();
        t->fill(0);
        for (int b = 0x80; b <= 0xFF; ++b) {
            if (const char16_t c = CodePage932::kSingleBytes[b - 0x80])
                (*t)[c] = quint16(b);
        }
        for (int lead = 0; lead < CodePage932::kLeadCount; ++lead) {
            for (int trail = 0; trail < CodePage932::kTrailCount; ++trail) {
                if (const char16_t c = CodePage932::kPairs[lead][trail])
                    (*t)[c] = quint16(CodePage932::leadOf(lead) << 8 | (0x40 + trail));
            }
        }
        return t;
    }();
    return *table;
}

// A character outside ASCII and the undecoded bytes; one the code page
// cannot hold is refused by name.
void encodeCharacter(QStringView text, qsizetype i, QByteArray &bytes)
{
    const quint16 code = encodeTable()[text.at(i).unicode()];
    if (code == 0) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        throw VorzoError(unencodableMessage(text.mid(i, length).toUcs4().value(0)));
    }
    if (code > 0xFF)
        bytes += char(code >> 8);
    bytes += char(code & 0xFF);
}

} // namespace

QChar substituteOf(uchar byte)
{
    return QChar(char16_t(kUndecodedFirst + byte));
}

std::optional<uchar> byteOfSubstitute(QChar c)
{
    if (c.unicode() < kUndecodedFirst || c.unicode() > kUndecodedLast)
        return std::nullopt;
    return uchar(c.unicode() - kUndecodedFirst);
}

QString normalise(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        for (const LookAlike &l : kLookAlikes) {
            if (c.unicode() == l.typed) {
                c = QChar(l.codePage);
                break;
            }
        }
    }
    return result;
}

QString unencodableMessage(char32_t character)
{
    const QString hex = QString::number(uint(character), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    // Not fromUcs4 of a text: that drops U+FEFF as a byte order mark.
    const QString shown = QStringView(QChar::fromUcs4(character)).toString();
    return QStringLiteral("文字「%1」(U+%2) はシフトJISで表せないため使えません").arg(shown, hex);
}

namespace {

// The first character of `text` that does not come back as it was from
// `back`, its bytes decoded again: a substitute typed where no such byte
// was (a NUL, a line break, half of a double-byte character).
char32_t firstChanged(const QString &text, const QString &back)
{
    qsizetype i = 0;
    const qsizetype common = std::min(text.size(), back.size());
    while (i < common && text.at(i) == back.at(i))
        ++i;
    i = std::min(i, text.size() - 1); // the text is never empty here
    if (i > 0 && text.at(i - 1).isHighSurrogate())
        --i;
    return QStringView(text).mid(i, 2).toUcs4().value(0);
}

QByteArray encodeUnchecked(const QString &normalised);

} // namespace

QByteArray encode(const QString &text)
{
    const QString normalised = normalise(text);
    QByteArray bytes = encodeUnchecked(normalised);
    // Only what reads back as the text shown is written.
    const QString back = decode(bytes);
    if (back != normalised)
        throw VorzoError(unencodableMessage(firstChanged(normalised, back)));
    return bytes;
}

namespace {

QByteArray encodeUnchecked(const QString &normalised)
{
    QByteArray bytes;
    bytes.reserve(normalised.size() * 2);
    // ASCII and the bytes that did not decode go straight through.
    for (qsizetype i = 0; i < normalised.size(); ++i) {
        const char16_t c = normalised.at(i).unicode();
        if (c < 0x80)
            bytes += char(c);
        else if (const std::optional<uchar> byte = byteOfSubstitute(QChar(c)))
            bytes += char(*byte);
        else
            encodeCharacter(normalised, i, bytes);
    }
    return bytes;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const uchar byte = uchar(bytes.at(i));
        if (!isLeadByte(byte)) {
            text += singleByte(byte);
            continue;
        }
        const uchar trail = i + 1 < size ? uchar(bytes.at(i + 1)) : 0;
        if (!isTrailByte(trail)) {
            // A lead byte without its trail (also the very last byte): the
            // next byte, if any, stands on its own.
            text += substituteOf(byte);
            continue;
        }
        if (const char16_t c = pairOf(byte, trail)) {
            text += QChar(c);
        } else {
            // The trail byte shows as its own character where it has one
            // ('@' in 0x85 0x40), so a substitute only ever stands for a
            // byte that has no character at all.
            text += substituteOf(byte);
            text += singleByte(trail);
        }
        ++i;
    }
    return text;
}

bool equalIgnoringAsciiCase(const QByteArray &a, const QByteArray &b)
{
    return a.size() == b.size() && foldAsciiCase(a) == foldAsciiCase(b);
}

QByteArray foldAsciiCase(const QByteArray &text)
{
    QByteArray folded = text;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const uchar c = uchar(folded.at(i));
        if (isLeadByte(c) && i + 1 < folded.size())
            ++i; // the trail byte is part of the character, not a letter
        else if (c >= 'a' && c <= 'z')
            folded[i] = char(c - 'a' + 'A');
    }
    return folded;
}

bool isLeadByte(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace ShiftJis
