#include "MetafileDecoder.h"

#include "EmfDecoder.h"
#include "PictureFile.h"
#include "WmfDecoder.h"

#include <QPainter>
#include <QSvgRenderer>

namespace MetafileDecoder {

namespace {

// An SVG longer than this would take the renderer far more memory than any
// picture we hold; such a drawing is refused.
constexpr qsizetype MaxSvgBytes = qsizetype(64) << 20;

QImage render(const Svg &svg)
{
    if (!PictureFile::withinLimits(svg.size) || svg.text.size() > MaxSvgBytes)
        return QImage();
    QSvgRenderer renderer(svg.text);
    if (!renderer.isValid())
        return QImage();
    QImage image(svg.size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return QImage();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(svg.size)));
    return image;
}

} // namespace

QImage decode(const QByteArray &bytes)
{
    std::optional<Svg> svg;
    if (EmfDecoder::looksLikeEmf(bytes))
        svg = EmfDecoder::toSvg(bytes);
    else
        svg = WmfDecoder::toSvg(bytes);
    return svg ? render(*svg) : QImage();
}

} // namespace MetafileDecoder
