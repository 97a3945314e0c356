// The yardstick of the start-up benchmark: a bare Qt main window of the
// editor's kind (one 320 × 320 picture in it), with nothing of the program.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>

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
    window.show();
    return QApplication::exec();
}
