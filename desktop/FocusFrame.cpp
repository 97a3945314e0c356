#include "FocusFrame.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPointer>

namespace FocusFrame {

void install(QApplication &app)
{
    // The frame lives beside the control it surrounds and goes with that
    // control's window; another is made when it has gone.
    auto frame = std::make_shared<QPointer<QFocusFrame>>();
    QObject::connect(&app, &QApplication::focusChanged, &app, [frame](QWidget *, QWidget *now) {
        if (!now || now->isWindow()) {
            if (*frame)
                (*frame)->setWidget(nullptr);
            return;
        }
        if (!*frame)
            *frame = new QFocusFrame(now->window());
        (*frame)->setWidget(now);
    });
}

} // namespace FocusFrame
