#pragma once
// Metafiles, both kinds: a Windows metafile (WMF, with or without its
// placeable header) through libwmf and an enhanced metafile (EMF) through
// libemf2svg. Each library turns the drawing into SVG, which QtSvg renders
// at the metafile's own size onto a transparent picture.
//
// Both libraries trust their input, so no byte reaches them before our own
// check of the file's structure has passed.

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

namespace MetafileDecoder {

// The drawing, Format_ARGB32_Premultiplied at the metafile's own size;
// null when the bytes are not a metafile we can draw within our limits.
QImage decode(const QByteArray &bytes);

// The SVG text and the size to render it at.
struct Svg
{
    QByteArray text;
    QSize size;
};

} // namespace MetafileDecoder
