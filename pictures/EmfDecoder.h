#pragma once
// Enhanced metafiles (EMF) through libemf2svg.

#include "MetafileDecoder.h"

#include <QByteArray>

#include <optional>

namespace EmfDecoder {

// Whether the bytes begin like an EMF: a header record with its signature.
bool looksLikeEmf(const QByteArray &bytes);

// Whether the bytes are a whole EMF: a sane header record, every record
// inside the declared length and internally consistent, bitmaps within the
// picture limits, and the end record present. The check made before any
// byte reaches libemf2svg.
bool structureIsSound(const QByteArray &bytes);

// The drawing as SVG at the metafile's own size, its bounds in device
// pixels. Nothing when the check or libemf2svg fails.
std::optional<MetafileDecoder::Svg> toSvg(const QByteArray &bytes);

} // namespace EmfDecoder
