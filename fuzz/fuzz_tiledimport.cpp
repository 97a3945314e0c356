// The importer of Tiled maps fails only by refusing, with a message, and a
// map it takes is a stage: exported again, as TMX and as TMJ in every
// layer format, each reads back as the same stage.
#include "FuzzCheck.h"

#include "companion/TiledFile.h"
#include "platform/VorzoError.h"

namespace {

const QList<Tiled::LayerFormat> LayerFormats{Tiled::LayerFormat::Csv, Tiled::LayerFormat::Base64,
                                             Tiled::LayerFormat::Zlib, Tiled::LayerFormat::Gzip,
                                             Tiled::LayerFormat::Zstd};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    for (const TiledFile::Format format : {TiledFile::Format::Tmx, TiledFile::Format::Tmj}) {
        TiledStage::Stage stage;
        try {
            stage = TiledFile::read(bytes, format);
        } catch (const VorzoError &refused) {
            Fuzz::check(!refused.message().isEmpty(), "a refusal says why");
            continue;
        }
        for (const Tiled::LayerFormat layerFormat : LayerFormats) {
            Tiled::Map map;
            try {
                map = TiledStage::mapOf(
                    stage.map, stage.settings,
                    {QStringLiteral("stage"), QStringLiteral("stage-tiles.png"), QStringLiteral("#00ffff")},
                    layerFormat);
            } catch (const VorzoError &) {
                Fuzz::check(false, "a stage imported exports");
            }
            for (const TiledFile::Format written : {TiledFile::Format::Tmx, TiledFile::Format::Tmj}) {
                try {
                    const TiledStage::Stage again = TiledFile::read(TiledFile::write(map, written), written);
                    Fuzz::check(again.map == stage.map, "the map comes back");
                    Fuzz::check(again.settings == stage.settings, "the settings come back");
                } catch (const VorzoError &) {
                    Fuzz::check(false, "an exported stage imports");
                }
            }
        }
    }
    return 0;
}
