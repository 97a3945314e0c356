#include "ParameterText.h"

#include "stage/StageMap.h"

namespace {
constexpr int SegmentColumns = 60;
constexpr int Segments = StageMap::Columns / SegmentColumns;
constexpr int MapLineBytes = 93;
} // namespace

QByteArray MakeMapHTML(const StageMap &map)
{
    QByteArray text;
    text.reserve(Segments * StageMap::Rows * MapLineBytes);
    for (int segment = 0; segment < Segments; ++segment) {
        for (int row = 0; row < StageMap::Rows; ++row) {
            text += "<PARAM NAME=\"map";
            text += QByteArray::number(segment);
            text += '-';
            text += QByteArray::number(row);
            // The extra blank for one-digit rows keeps every line the same length.
            text += row < 10 ? "\"  VALUE=\"" : "\" VALUE=\"";
            const int first = segment * SegmentColumns;
            for (int column = first; column < first + SegmentColumns; ++column)
                text += CellCodeToLetter(map.at(column, row));
            text += "\">\r\n";
        }
    }
    return text;
}
