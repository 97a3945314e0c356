// The codec: every byte string decodes to a text that encodes back to the
// same bytes, and decoding that again gives the same text.
#include "FuzzCheck.h"

#include "platform/ShiftJis.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QString text = ShiftJis::decode(bytes);
    const QByteArray back = ShiftJis::encode(text);
    Fuzz::check(back == bytes, "encode(decode(b)) == b");
    Fuzz::check(ShiftJis::decode(back) == text, "decode is stable");
    Fuzz::check(ShiftJis::foldAsciiCase(bytes).size() == bytes.size(), "folding keeps the length");
    return 0;
}
