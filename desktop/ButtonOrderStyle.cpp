#include "ButtonOrderStyle.h"

#include <QDialogButtonBox>

int ButtonOrderStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                QStyleHintReturn *returnData) const
{
    if (hint == SH_DialogButtonLayout)
        return QDialogButtonBox::WinLayout;
    // The focus frame over the neighbours it touches, so that it shows on
    // every side (it never covers the control it surrounds).
    if (hint == SH_FocusFrame_AboveWidget)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
