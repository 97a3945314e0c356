#pragma once
// The program's emblem, drawn from its readable pixel source
// (resources/emblem.txt): the version window's picture and the window icon.
//
// Pixel text: palette lines "<char> <R> <G> <B>" (a "#" after them starts a
// comment), the line "# pixels", then one line of palette characters per row,
// all rows of one width. "." is transparent; other "#" lines are comments.

#include <QImage>
#include <QString>

class QByteArray;
class QIcon;

namespace Emblem {

// The picture the text describes; a null image, and `error` set, when the
// text is not pixel text.
QImage fromPixelText(const QByteArray &text, QString *error = nullptr);

// The emblem, 32 x 32, and the same enlarged pixel by pixel (no smoothing).
QImage image();
QImage scaled(int side);

// The emblem at the usual icon sizes, for the windows' icon.
QIcon icon();

} // namespace Emblem
