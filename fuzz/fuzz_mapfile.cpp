// The map file: whatever its length and bytes, reading it replaces as many
// cells as it has bytes (5,400 at most) with exactly those bytes, and the
// written map reads back as the same map.
#include "FuzzCheck.h"

#include "output/StageFiles.h"
#include "stage/StageMap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    StageMap map;
    map.fill(7);
    StageFiles::readMap(Fuzz::fileWith("in.kwt", bytes), map);
    for (int i = 0; i < StageMap::Cells; ++i) {
        const CellCode expected = i < bytes.size() ? CellCode(bytes.at(i)) : CellCode(7);
        Fuzz::check(map.atIndex(i) == expected, "every cell is the file's byte or kept");
    }
    const QString written = Fuzz::path("out.kwt");
    StageFiles::writeMap(written, map);
    Fuzz::check(Fuzz::contentsOf(written).size() == StageMap::Cells, "a map file is 5,400 bytes");
    StageMap again;
    StageFiles::readMap(written, again);
    Fuzz::check(again == map, "a written map reads back as itself");
    return 0;
}
