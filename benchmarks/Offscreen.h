#pragma once
// The program's application as the benchmarks run it: offscreen, with the
// desktop's stand-ins, in the program folder (where Setting.cfg and
// zuzodovi.bmp are found).

#include "desktop/Desktop.h"

#include <QApplication>
#include <QDir>
#include <memory>

inline std::unique_ptr<QApplication> offscreenApplication(int &argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    Desktop::install(*app);
    QDir::setCurrent(QStringLiteral(VORZO_DIST_DIR));
    return app;
}
