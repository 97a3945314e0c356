// The yardstick of the start-up benchmark: a bare Qt main window of the
// editor's kind, with nothing of the program: one 320 × 320 picture, a menu
// and a status bar with a Japanese word each, so that it loads its fonts as
// any program that shows text.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QPixmap picture(320, 320);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.fillRect(32, 32, 64, 64, Qt::darkGreen);
    }
    QMainWindow window;
    auto *label = new QLabel;
    label->setPixmap(picture);
    window.setCentralWidget(label);
    window.menuBar()->addMenu(QStringLiteral("システム"));
    window.statusBar()->showMessage(QStringLiteral("準備完了"));
    window.show();
    return QApplication::exec();
}
