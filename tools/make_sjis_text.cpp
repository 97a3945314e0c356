// Turns a readable UTF-8 source into a text file of the program's kind:
// code page 932, every line ended by CR LF. Lines starting with "#" are the
// source's comments and are left out. Builds "Setting.cfg" and the note in
// the test-play folder.
//
//   make_sjis_text <source.txt> <output>

#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sjis_text <source.txt> <output>\n");
        return 1;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_sjis_text: cannot read %s\n", argv[1]);
        return 1;
    }
    QList<QByteArray> lines;
    try {
        for (const QByteArray &line : TextLines::split(source.readAll())) {
            if (!line.startsWith('#'))
                lines.append(ShiftJis::encode(QString::fromUtf8(line)));
        }
    } catch (const VorzoError &e) {
        std::fprintf(stderr, "make_sjis_text: %s\n", qPrintable(e.message()));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(TextLines::join(lines)) < 0) {
        std::fprintf(stderr, "make_sjis_text: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
