#pragma once
// Code page 932's decoding read off ICU's "windows-31j" converter: a byte or
// pair decodes to a character only where that character encodes back to
// the same bytes. Shared by make_cp932_table, which writes the program's
// tables, and the test that holds them to the converter.

#include "platform/CodePage932.h"
#include "platform/ShiftJis.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

struct Cp932FromConverter
{
    std::array<char16_t, 128> single{};
    std::array<std::array<char16_t, CodePage932::kTrailCount>, CodePage932::kLeadCount> pairs{};

    Cp932FromConverter()
    {
        QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
        QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
        // The converters' error flags stick once set (resetState does not
        // clear them for this converter): judge by the characters instead.
        auto roundTrip = [&](const QByteArray &bytes) -> char16_t {
            const QString text = decoder.decode(bytes);
            if (text.size() != 1 || text.at(0).isSurrogate() || text.at(0) == QChar::ReplacementCharacter
                || text.at(0) == QChar(0x1A))
                return 0;
            return encoder.encode(text) == bytes ? text.at(0).unicode() : 0;
        };
        for (int b = 0x80; b <= 0xFF; ++b)
            single[b - 0x80] = ShiftJis::isLeadByte(uchar(b)) ? 0 : roundTrip(QByteArray(1, char(b)));
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!ShiftJis::isLeadByte(uchar(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F)
                    continue;
                const char bytes[] = {char(lead), char(trail)};
                pairs[CodePage932::leadIndex(uchar(lead))][trail - 0x40] = roundTrip(QByteArray(bytes, 2));
            }
        }
    }
};
