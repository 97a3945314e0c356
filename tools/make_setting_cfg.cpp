// Builds "Setting.cfg" from its readable source.
//
//   make_setting_cfg <SettingHelp.txt> <Setting.cfg>
//
// The source is UTF-8, one help line per settings entry in list order, "#"
// lines are comments. The result is code page 932 with CR LF line ends.

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
        std::fprintf(stderr, "usage: make_setting_cfg <SettingHelp.txt> <Setting.cfg>\n");
        return 1;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_setting_cfg: cannot read %s\n", argv[1]);
        return 1;
    }
    QList<QByteArray> lines;
    try {
        for (const QByteArray &line : TextLines::split(source.readAll())) {
            if (!line.startsWith('#'))
                lines.append(ShiftJis::encode(QString::fromUtf8(line)));
        }
    } catch (const VorzoError &e) {
        std::fprintf(stderr, "make_setting_cfg: %s\n", qPrintable(e.message()));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(TextLines::join(lines)) < 0) {
        std::fprintf(stderr, "make_setting_cfg: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
