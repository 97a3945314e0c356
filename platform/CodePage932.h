#pragma once
// Code page 932's decoding, as fixed tables: what each byte above ASCII and
// each lead-trail pair decodes to, a character only where it encodes back to
// the same bytes, 0 where it does not (the bytes stay undecoded).
// Generated once from ICU's "windows-31j" converter by make_cp932_table; the
// tables do not change with the machine's ICU, and reading them costs no
// converter at start.

namespace CodePage932 {

constexpr int kLeadCount = 60;   // 0x81-0x9F, 0xE0-0xFC
constexpr int kTrailCount = 189; // 0x40-0xFC, 0x7F never decodes

// Bytes 0x80-0xFF on their own; 0 for the lead bytes.
extern const char16_t kSingleBytes[128];
// [leadIndex(lead)][trail - 0x40].
extern const char16_t kPairs[kLeadCount][kTrailCount];

constexpr int leadIndex(unsigned char lead)
{
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}

constexpr unsigned char leadOf(int index)
{
    return static_cast<unsigned char>(index < 31 ? 0x81 + index : 0xE0 + index - 31);
}

} // namespace CodePage932
