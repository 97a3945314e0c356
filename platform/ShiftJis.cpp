#include "ShiftJis.h"
#include "VorzoError.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace ShiftJis {
namespace {

// Qt's ICU converter of this name maps like Windows code page 932
// (0x8160 <-> U+FF5E, 0x815F <-> U+005C's neighbour, NEC and IBM extensions).
constexpr const char *kCodePage = "windows-31j";

struct LookAlike { char16_t typed; char16_t codePage; };
constexpr LookAlike kLookAlikes[] = {
    {0x301C, 0xFF5E}, // WAVE DASH -> FULLWIDTH TILDE
    {0x2016, 0x2225}, // DOUBLE VERTICAL LINE -> PARALLEL TO
    {0x2212, 0xFF0D}, // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {0x2014, 0x2015}, // EM DASH -> HORIZONTAL BAR
    {0x00A2, 0xFFE0}, // CENT SIGN -> FULLWIDTH CENT SIGN
    {0x00A3, 0xFFE1}, // POUND SIGN -> FULLWIDTH POUND SIGN
    {0x00AC, 0xFFE2}, // NOT SIGN -> FULLWIDTH NOT SIGN
};

QByteArray encodeStrict(QStringView text, bool *ok)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    *ok = !encoder.hasError();
    return bytes;
}

} // namespace

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

QByteArray encode(const QString &text)
{
    const QString normalised = normalise(text);
    bool ok = false;
    QByteArray bytes = encodeStrict(normalised, &ok);
    if (ok)
        return bytes;
    // Name the first character that does not convert.
    for (qsizetype i = 0; i < normalised.size();) {
        const qsizetype length = normalised.at(i).isHighSurrogate() && i + 1 < normalised.size() ? 2 : 1;
        const QStringView one = QStringView(normalised).mid(i, length);
        bool oneOk = false;
        encodeStrict(one, &oneOk);
        if (!oneOk)
            throw VorzoError(unencodableMessage(one.toUcs4().value(0)));
        i += length;
    }
    throw VorzoError(unencodableMessage(U'\uFFFD'));
}

QString decode(const QByteArray &bytes)
{
    // The converter swallows a lead byte at the very end even when stateless:
    // find it by walking the characters and show it as a substitute.
    qsizetype i = 0;
    while (i < bytes.size())
        i += isLeadByte(uchar(bytes.at(i))) ? 2 : 1;
    const bool loneLeadAtEnd = i > bytes.size();

    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(loneLeadAtEnd ? bytes.first(bytes.size() - 1) : bytes);
    if (loneLeadAtEnd)
        text += QChar(QChar::ReplacementCharacter);
    return text;
}

bool equalIgnoringAsciiCase(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    auto fold = [](uchar c) { return (c >= 'a' && c <= 'z') ? uchar(c - 'a' + 'A') : c; };
    for (qsizetype i = 0; i < a.size(); ++i) {
        const uchar x = uchar(a.at(i));
        if (isLeadByte(x) && i + 1 < a.size()) {
            // A double-byte character compares as it stands, trail byte included.
            if (x != uchar(b.at(i)) || a.at(i + 1) != b.at(i + 1))
                return false;
            ++i;
            continue;
        }
        if (fold(x) != fold(uchar(b.at(i))))
            return false;
    }
    return true;
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
