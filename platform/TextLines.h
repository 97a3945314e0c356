#pragma once
// Text files and text boxes. Files: lines each followed by CR LF, no byte-order
// mark; on reading, CR LF, a lone CR and a lone LF each end a line. Text boxes
// hold their lines separated by LF, and convert through the one codec.

#include <QByteArray>
#include <QList>
#include <QString>

namespace TextLines {

// Splits a text into its lines. A last line without an end still counts; an
// end at the very end does not start another, empty line.
QList<QByteArray> split(const QByteArray &text);

// Every line followed by CR LF, the last one too.
QByteArray join(const QList<QByteArray> &lines);

// Bytes as a text box shows them: decoded, every line end turned into LF.
QString toEditText(const QByteArray &bytes);

// A text box's text as bytes: encoded (may throw VorzoError), LF -> CR LF.
QByteArray fromEditText(const QString &text);

} // namespace TextLines
