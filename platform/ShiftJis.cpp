#include "ShiftJis.h"
#include "VorzoError.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <vector>

namespace ShiftJis {
namespace {

// Qt's ICU converter of this name maps like Windows code page 932
// (0x8160 <-> U+FF5E, 0x815F <-> U+005C's neighbour, NEC and IBM extensions).
constexpr const char *kCodePage = "windows-31j";

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

int pairIndex(uchar lead, uchar trail)
{
    return (lead << 8) | trail;
}

QByteArray encodeStrict(QStringView text, bool *ok)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    *ok = !encoder.hasError();
    return bytes;
}

// What each byte and each lead-trail pair decodes to: a character only where
// it encodes back to the same bytes, so decoding never loses a byte (0 in
// `pair`: the two bytes stay undecoded). Built once from the converter.
struct DecodeTables
{
    char16_t single[256];
    std::vector<char16_t> pair = std::vector<char16_t>(0x10000, 0);
};

const DecodeTables &decodeTables()
{
    static const DecodeTables tables = [] {
        DecodeTables t;
        QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
        QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
        // The converters' error flags stick once set (resetState does not
        // clear them for this converter): judge by the characters instead.
        auto roundTrip = [&](const QByteArray &bytes) -> char16_t {
            const QString text = decoder.decode(bytes);
            if (text.size() != 1 || text.at(0).isSurrogate() || text.at(0) == QChar::ReplacementCharacter
                || text.at(0) == QChar(0x1A))
                return 0;
            return encoder.encode(text) == bytes ? text.at(0).unicode() : 0;
        };
        for (int b = 0; b < 256; ++b) {
            if (b < 0x80) {
                t.single[b] = char16_t(b); // ASCII, control characters included, as they are
            } else {
                const char16_t c = isLeadByte(uchar(b)) ? 0 : roundTrip(QByteArray(1, char(b)));
                t.single[b] = c ? c : substituteOf(uchar(b)).unicode();
            }
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(uchar(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isTrailByte(uchar(trail)))
                    continue;
                const char bytes[] = {char(lead), char(trail)};
                t.pair[pairIndex(uchar(lead), uchar(trail))] = roundTrip(QByteArray(bytes, 2));
            }
        }
        return t;
    }();
    return tables;
}

// A run of characters outside ASCII and the undecoded bytes, through the
// converter; a character it cannot hold is refused by name.
QByteArray encodeRun(QStringView run)
{
    bool ok = false;
    QByteArray bytes = encodeStrict(run, &ok);
    if (ok)
        return bytes;
    for (qsizetype i = 0; i < run.size();) {
        const qsizetype length = run.at(i).isHighSurrogate() && i + 1 < run.size() ? 2 : 1;
        const QStringView one = run.mid(i, length);
        bool oneOk = false;
        encodeStrict(one, &oneOk);
        if (!oneOk)
            throw VorzoError(unencodableMessage(one.toUcs4().value(0)));
        i += length;
    }
    throw VorzoError(unencodableMessage(U'\uFFFD'));
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
    return QStringLiteral("文字「%1」(U+%2) はシフトJISで表せないため使えません")
        .arg(QString::fromUcs4(&character, 1), hex);
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
    // ASCII and the bytes that did not decode go straight through; every run
    // of other characters goes to the converter.
    qsizetype runStart = -1;
    auto flushRun = [&](qsizetype end) {
        if (runStart < 0)
            return;
        bytes += encodeRun(QStringView(normalised).mid(runStart, end - runStart));
        runStart = -1;
    };
    for (qsizetype i = 0; i < normalised.size(); ++i) {
        const char16_t c = normalised.at(i).unicode();
        if (c < 0x80) {
            flushRun(i);
            bytes += char(c);
        } else if (const std::optional<uchar> byte = byteOfSubstitute(QChar(c))) {
            flushRun(i);
            bytes += char(*byte);
        } else if (runStart < 0) {
            runStart = i;
        }
    }
    flushRun(normalised.size());
    return bytes;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    const DecodeTables &tables = decodeTables();
    QString text;
    text.reserve(bytes.size());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const uchar byte = uchar(bytes.at(i));
        if (!isLeadByte(byte)) {
            text += QChar(tables.single[byte]);
            continue;
        }
        const uchar trail = i + 1 < size ? uchar(bytes.at(i + 1)) : 0;
        if (!isTrailByte(trail)) {
            // A lead byte without its trail (also the very last byte): the
            // next byte, if any, stands on its own.
            text += substituteOf(byte);
            continue;
        }
        if (const char16_t c = tables.pair[pairIndex(byte, trail)]) {
            text += QChar(c);
        } else {
            // The trail byte shows as its own character where it has one
            // ('@' in 0x85 0x40), so a substitute only ever stands for a
            // byte that has no character at all.
            text += substituteOf(byte);
            text += QChar(tables.single[trail]);
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
