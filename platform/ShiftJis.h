#pragma once
// The one conversion between the program's text (QString) and its data texts
// (code page 932 bytes). Used only at the widget boundary and for messages.

#include <QByteArray>
#include <QString>

#include <optional>

namespace ShiftJis {

// Maps the look-alikes that Linux input methods type (WAVE DASH, MINUS SIGN …)
// to the characters the code page holds.
QString normalise(const QString &text);

// Normalises, then encodes. The bytes are given only when they decode back
// to exactly the normalised text; otherwise VorzoError names the first
// character that would change: one the code page cannot hold, or a
// substitute typed or pasted where it would become other bytes (a NUL, a
// line break, half of a double-byte character). Substitutes that came from
// decoding and stay where they were come back as their bytes.
QByteArray encode(const QString &text);

// Decodes a whole text, losslessly: encode(decode(b)) == b for every byte
// string b. A byte that does not decode (0x80, 0xA0, 0xFD-0xFF, a lead byte
// without its trail, the lead byte of an unassigned or duplicate pair, and
// its trail byte where that has no character of its own) becomes a
// private-use character of its own (U+F700 + the byte), shown as a visible
// substitute, which encodes back to that byte. Decoding never gives the
// substitutes of bytes that are characters (U+F700-U+F77F, U+F7A1-U+F7DF).
QString decode(const QByteArray &bytes);

// The substitute of a byte that does not decode, and the byte it stands
// for: nothing for any other character.
QChar substituteOf(uchar byte);
std::optional<uchar> byteOfSubstitute(QChar c);

// The first byte of a double-byte character.
bool isLeadByte(uchar byte);

// Compares two code page 932 texts, folding the ASCII letters of single-byte
// characters only: the trail byte of a double-byte character (0x41 in
// 0x83 0x41) is not a letter.
bool equalIgnoringAsciiCase(const QByteArray &a, const QByteArray &b);

// The text with the ASCII letters of its single-byte characters in upper
// case: two texts are equal ignoring ASCII case when their folds are equal.
QByteArray foldAsciiCase(const QByteArray &text);

// The message for a character the code page cannot hold.
QString unencodableMessage(char32_t character);

} // namespace ShiftJis
