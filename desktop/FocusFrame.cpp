#include "FocusFrame.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPointer>

namespace FocusFrame {

void install(QApplication &app)
{
    // The frame lives beside the control it surrounds and goes with that
    // control's window; another is made when it has gone.
    QObject::connect(&app, &QApplication::focusChanged, &app, [](QWidget *, QWidget *now) {
        static QPointer<QFocusFrame> frame;
        if (!now || now->isWindow()) {
            if (frame)
                frame->setWidget(nullptr);
            return;
        }
        if (!frame)
            frame = new QFocusFrame(now->window());
        frame->setWidget(now);
    });
}

} // namespace FocusFrame
