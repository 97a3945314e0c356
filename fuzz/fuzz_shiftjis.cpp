// The codec, both ways:
// - every byte string decodes to a text that encodes back to the same bytes,
//   and decoding that again gives the same text;
// - every text (the input read as UTF-16, substitutes and halves of pairs
//   included) is either refused or written as bytes that read back as the
//   text shown.
#include "FuzzCheck.h"

#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QString text = ShiftJis::decode(bytes);
    const QByteArray back = ShiftJis::encode(text);
    Fuzz::check(back == bytes, "encode(decode(b)) == b");
    Fuzz::check(ShiftJis::decode(back) == text, "decode is stable");
    Fuzz::check(ShiftJis::foldAsciiCase(bytes).size() == bytes.size(), "folding keeps the length");

    QString typed(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(typed.data(), data, size_t(typed.size()) * 2);
    try {
        const QByteArray written = ShiftJis::encode(typed);
        Fuzz::check(ShiftJis::decode(written) == ShiftJis::normalise(typed), "decode(encode(t)) == t");
    } catch (const VorzoError &) {
        // refused, with nothing written
    }
    return 0;
}
