// The preferences file's profile rules against a model of them. The input:
// a byte choosing one of the program's keys and its spelling, the value to
// write, a zero byte, then the file; without a zero byte the whole input is
// the file and "42" is written to Toroku/No3.
// - Every key of the program reads as the model reads it: the first section
//   and key of the name (ASCII letters in any case), blanks and one pair of
//   quotes around the value dropped, at most 2,047 characters.
// - A write gives the file the model gives: the key's line rewritten in
//   place, or one line added to its section, or the section added at the
//   end; every other line byte for byte. A value with a line break is
//   refused and the file stays. The keys then read as the model reads the
//   new file, the written one as its value.
#include "FuzzCheck.h"
#include "Model.h"

#include "platform/ProfileFile.h"
#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"

namespace {

struct Key
{
    const char *section, *name;
};

constexpr Key Keys[] = {{"Directory", "SaveOpen"}, {"Directory", "Image"}, {"TextEditor", "Fore"},
                        {"TextEditor", "Back"},    {"Toroku", "No1"},      {"Toroku", "No2"},
                        {"Toroku", "No3"},         {"Toroku", "No4"},      {"Toroku", "No5"}};

QString spelt(const char *name, int form)
{
    const QString text = QLatin1String(name);
    return form == 1 ? text.toLower() : form == 2 ? text.toUpper() : text;
}

// Each key of the program reads from `file` as the model reads `bytes`.
void readsAsTheModel(const QString &file, const QByteArray &bytes)
{
    const QString fallback = QStringLiteral("\u2603");
    for (const Key &key : Keys) {
        const std::optional<QByteArray> value = Model::Profile::read(bytes, key.section, key.name);
        Fuzz::check(ProfileFile::read(file, QLatin1String(key.section), QLatin1String(key.name), fallback)
                        == (value ? ShiftJis::decode(*value).left(2047) : fallback),
                    "a key reads as the rules say");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    const qsizetype zero = input.indexOf('\0');
    const QByteArray before = zero < 0 ? input : input.mid(zero + 1);
    const int choice = zero > 0 ? uchar(input.at(0)) : 6;
    const QByteArray valueBytes = zero < 0 ? QByteArray("42") : input.mid(1, qMax<qsizetype>(zero - 1, 0));
    const Key &key = Keys[choice % std::size(Keys)];
    const QString section = spelt(key.section, choice / 9 % 3), name = spelt(key.name, choice / 27 % 3);
    const QString value = ShiftJis::decode(valueBytes);

    const QString file = Fuzz::fileWith("dazorad.ini", before);
    readsAsTheModel(file, before);

    const bool breaks = valueBytes.contains('\r') || valueBytes.contains('\n');
    try {
        ProfileFile::write(file, section, name, value);
        Fuzz::check(!breaks, "a line break is refused");
    } catch (const VorzoError &) {
        Fuzz::check(breaks, "a value without a line break is written");
        Fuzz::check(Fuzz::contentsOf(file) == before, "a refused write leaves the file");
        return 0;
    }
    const QByteArray after = Fuzz::contentsOf(file);
    Fuzz::check(after == Model::Profile::write(before, section.toLatin1(), name.toLatin1(), valueBytes),
                "the write changes the file as the rules say");
    readsAsTheModel(file, after);
    const QByteArray plain = Model::Profile::blanksTrimmed(valueBytes);
    const bool quoted = plain.size() >= 2 && (plain[0] == '"' || plain[0] == '\'') && plain.back() == plain[0];
    if (plain == valueBytes && !quoted)
        Fuzz::check(ProfileFile::read(file, section, name, QString()) == value.left(2047), "the value reads back");
    return 0;
}
