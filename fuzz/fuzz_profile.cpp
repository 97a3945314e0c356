// The preferences file: a write of one key reads back as written, and every
// other line of the file stays byte for byte: the write replaces one line,
// inserts one, or appends its section at the end.
#include "FuzzCheck.h"

#include "platform/ProfileFile.h"
#include "platform/TextLines.h"

#include <QList>

namespace {

// The file's lines with their ends, as written back.
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) != '\r' && bytes.at(i) != '\n')
            continue;
        if (bytes.at(i) == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        lines.append(bytes.mid(start, i + 1 - start));
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

QByteArray withoutEnd(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before = Fuzz::bytes(data, size);
    const QString file = Fuzz::fileWith("dazorad.ini", before);
    const QString section = QStringLiteral("Toroku"), key = QStringLiteral("No3"), value = QStringLiteral("42");
    ProfileFile::write(file, section, key, value);
    Fuzz::check(ProfileFile::read(file, section, key, QString()) == value, "the value reads back");

    const QList<QByteArray> old = linesOf(before), now = linesOf(Fuzz::contentsOf(file));
    Fuzz::check(now.size() >= old.size() && now.size() <= old.size() + 2, "at most two lines are added");
    // Walk both: an old line stays as it was (the last one may gain its
    // end), is replaced once, or a new line is inserted before it.
    qsizetype a = 0, b = 0, changes = 0;
    while (a < old.size() && b < now.size()) {
        const bool kept = old.at(a) == now.at(b)
                          || (withoutEnd(old.at(a)) == old.at(a) && old.at(a) + "\r\n" == now.at(b));
        if (kept) {
            ++a, ++b;
            continue;
        }
        ++changes;
        if (now.size() - b > old.size() - a)
            ++b; // an inserted line
        else
            ++a, ++b; // the replaced line
    }
    Fuzz::check(a == old.size(), "every old line is still there, in order");
    Fuzz::check(changes + (now.size() - b) <= 2, "only the written key's lines differ");
    return 0;
}
