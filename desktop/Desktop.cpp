#include "Desktop.h"

#include "ButtonOrderStyle.h"
#include "DesktopClock.h"
#include "DesktopShell.h"
#include "FocusFrame.h"
#include "HintFilter.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLibraryInfo>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>
#include <QTranslator>
#include <QWidget>

namespace Desktop {
namespace {
QtDialogs realDialogs;
DesktopShell realShell;
DesktopClock realClock;
} // namespace

void install(QApplication &app)
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));

    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    app.setStyle(new ButtonOrderStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    app.installEventFilter(new HintFilter(&app));
    FocusFrame::install(app);
}

void describeFromHints(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->statusTip().isEmpty() && control->accessibleDescription().isEmpty())
            control->setAccessibleDescription(control->statusTip());
    }
}

void installServices()
{
    setDialogs(&realDialogs);
    setShell(&realShell);
    setClockService(&realClock);
}

void useFormFont(QWidget *form)
{
    QFont font = form->font();
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック")});
    font.setPixelSize(12);
    form->setFont(font);
}

void usePixelSize(QWidget *control, int pixels)
{
    QFont font = control->font();
    font.setPixelSize(pixels);
    control->setFont(font);
}

void fillBackground(QWidget *widget, QColor background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void colourPanel(QWidget *panel, QColor background, QColor text, int pixels)
{
    fillBackground(panel, background);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Light, background.lighter(115));
    palette.setColor(QPalette::Dark, background.darker(150));
    panel->setPalette(palette);
    QFont font = panel->font();
    font.setBold(true);
    font.setPixelSize(pixels);
    panel->setFont(font);
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

namespace {

class CentreOnShow : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            centreOnScreen(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void centreOnEveryShow(QWidget *window)
{
    centreOnScreen(window);
    window->installEventFilter(new CentreOnShow(window));
}

} // namespace Desktop
