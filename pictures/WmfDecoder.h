#pragma once
// Windows metafiles (WMF) through libwmf's SVG device.

#include "MetafileDecoder.h"

#include <QByteArray>

#include <optional>

namespace WmfDecoder {

// Whether the bytes are a whole WMF whose every record lies inside the file
// and carries the fields its kind needs, ending with the end record, and
// whose every count, text and bitmap fits inside its record (a bitmap also
// within the picture limits, at the size libwmf takes for it): the check
// made before any byte reaches libwmf, which allocates what they claim.
bool structureIsSound(const QByteArray &bytes);

// The drawing as SVG at the metafile's own size: for a placeable metafile
// its bounding box at 96 dots per inch, otherwise the extent libwmf finds
// while scanning the records. Nothing when the check or libwmf fails.
std::optional<MetafileDecoder::Svg> toSvg(const QByteArray &bytes);

} // namespace WmfDecoder
